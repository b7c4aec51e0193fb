#include "archive/ZEException.h"

#include <array>
#include <cstdio>

namespace korvane {
namespace {

constexpr std::array<std::string_view, 33> kTemplates = {
    "Unknown error",
    "Index out of bounds",
    "Invalid compression mode. Mode must be in [0-9] range",
    "Unexpected nil pointer",
    "Invalid size or check sum of file or unsupported compression format",
    "File name is blank. Specify appropriate file name",
    "File \"%s\" not found",
    "Archive is not open",
    "SFXStub property is not specified",
    "Cannot create file \"%s\"",
    "Cannot create directory \"%s\"",
    "Internal error. Update is not started",
    "Cannot open file \"%s\"",
    "Cannot proceed when update is not ended. Preceding EndUpdate call is required.",
    "Cannot delete file \"%s\"",
    "In-memory archive can be created only",
    "File is open in read-only mode",
    "Invalid compressed size, rfs.size = %d, count = %d",
    "Invalid archive file.",
    "Cannot create output file. Probably file is locked by another process. FileName = '%s'.",
    "Archive is open. You should close it beore performing this operation.",
    "Unable to create directory",
    "Cannot find Zip64 directory end record",
    "Cannot compress file '%s'. Zip64 mode is not enabled",
    "Cannot open archive file. Opening aborted or invalid file",
    "Write to stream error",
    "Cannot place SFX stub on volume. Volume size limit is too small",
    "Archive is damaged. Open failed",
    "MakeSFX is not allowed for splitted or spanned archives. Set SFXStub before archive creation instead of MakeSFX",
    "Archive already has SFX stub",
    "Multi-volume archive is not allowed for custom stream",
    "Multi-spanned archive is not allowed for modification. Use BeginUpdate/EndUpdate methods to add files several "
    "times",
    "Cannot read file \"%s\"",
};

// Message number of each detailed code 0..53.
constexpr std::array<int, 54> kMessageNumbers = {
    0,  1,  1, 1, 1, 2,  3,  1,  4,  5,  5,  6, 6,  7,  7,  6, 1,  8,  6,  9,  10, 1,  11, 9,  1,  11, 13,
    14, 15, 5, 6, 6, 16, 12, 17, 18, 19, 20, 6, 21, 22, 23, 6, 23, 24, 24, 25, 26, 27, 28, 29, 30, 31, 32,
};

// Fills "%s" and "%d" in order from the arguments.
std::string fill(std::string_view text, const std::string* args, std::size_t count) {
    std::string out;
    std::size_t next = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && (text[i + 1] == 's' || text[i + 1] == 'd') && next < count) {
            out += args[next++];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string build(int nativeError, std::string_view componentName, const std::string* args, std::size_t count) {
    std::string text = fill(EZEException::messageTemplate(EZEException::messageNumber(nativeError)), args, count);
    if (!componentName.empty()) {
        text = std::string(componentName) + ": " + text;
    }
    char code[16];
    std::snprintf(code, sizeof code, "%5d", nativeError);
    std::string padded = code;
    for (char& c : padded) {
        if (c == ' ') {
            c = '0';
        }
    }
    return text + " - Native error: " + padded;
}

} // namespace

EZEException::EZEException(Built, int nativeError, std::string message)
    : UserError(std::move(message)), nativeError_(nativeError), errorCode_(messageNumber(nativeError)) {}

EZEException::EZEException(int nativeError, std::string_view componentName)
    : EZEException(Built{}, nativeError, build(nativeError, componentName, nullptr, 0)) {}

EZEException::EZEException(int nativeError, std::string_view componentName, std::string_view fileName)
    : EZEException(Built{}, nativeError, [&] {
          const std::string arg(fileName);
          return build(nativeError, componentName, &arg, 1);
      }()) {}

EZEException::EZEException(int nativeError, std::string_view componentName, std::int64_t first, std::int64_t second)
    : EZEException(Built{}, nativeError, [&] {
          const std::string args[2] = {std::to_string(first), std::to_string(second)};
          return build(nativeError, componentName, args, 2);
      }()) {}

int EZEException::messageNumber(int nativeError) {
    if (nativeError < 0 || nativeError >= static_cast<int>(kMessageNumbers.size())) {
        return 0;
    }
    return kMessageNumbers[static_cast<std::size_t>(nativeError)];
}

std::string_view EZEException::messageTemplate(int errorCode) {
    if (errorCode < 0 || errorCode >= static_cast<int>(kTemplates.size())) {
        return kTemplates[0];
    }
    return kTemplates[static_cast<std::size_t>(errorCode)];
}

} // namespace korvane
