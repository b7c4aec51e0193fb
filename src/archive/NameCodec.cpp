#include "archive/internal/NameCodec.h"

#include "archive/internal/UnicodePathField.h"
#include "archive/internal/ZipRecords.h"
#include "platform/AsciiText.h"
#include "platform/CodePages.h"
#include "platform/Utf8Text.h"

#include <algorithm>

namespace korvane {
std::string textFromArchive(std::string_view raw, std::uint16_t flags, std::uint16_t versionMadeBy) {
    // ASCII reads the same in every code page; most names are ASCII, so skip the converter for them.
    const bool utf8 = (flags & kFlagUtf8Name) != 0 || madeOnUnix(versionMadeBy);
    if (isAscii(raw) || (utf8 && isValidUtf8(raw))) {
        return std::string(raw);
    }
    return oemToUtf8(raw);
}

std::string storedNameFromArchive(std::string_view raw, std::uint16_t flags, std::uint16_t versionMadeBy,
                                  std::string_view extra) {
    if (isAscii(raw)) {
        // Most names: no field or code page to consult.
        std::string name(raw);
        std::replace(name.begin(), name.end(), '\\', '/');
        return name;
    }
    auto unicode = unicodePathName(extra, raw);
    std::string name = unicode ? std::move(*unicode) : textFromArchive(raw, flags, versionMadeBy);
    std::replace(name.begin(), name.end(), '\\', '/');
    return name;
}

bool nameStoredAsAnsi(const std::string& storedName, const TZEZipCentralDir& header, std::string_view extra) {
    if (isAscii(storedName)) {
        return true;
    }
    const auto ansi = utf8ToAnsi(storedName);
    if (!ansi) {
        return false;
    }
    if (const auto unicode = unicodePathName(extra, *ansi)) {
        return *unicode == storedName;
    }
    const bool utf8 = (header.Flags & kFlagUtf8Name) != 0 ||
                      (madeOnUnix(header.VersionMadeBy) && storedName.size() == header.FileNameLength);
    return !utf8 && utf8ToOem(storedName) == ansi;
}

EncodedName encodeStoredName(std::string_view storedName) {
    if (isAscii(storedName)) {
        return {std::string(storedName), false, {}};
    }
    if (auto ansi = utf8ToAnsi(storedName)) {
        std::string block = unicodePathBlock(*ansi, storedName);
        return {std::move(*ansi), false, std::move(block)};
    }
    // Some tools ignore flag bit 11 from a DOS host, yet read the field.
    return {std::string(storedName), true, unicodePathBlock(storedName, storedName)};
}

} // namespace korvane
