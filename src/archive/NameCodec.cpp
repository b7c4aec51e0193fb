#include "archive/NameCodec.h"

#include "archive/UnicodePathField.h"
#include "archive/ZipRecords.h"
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
    auto unicode = isAscii(raw) ? std::nullopt : unicodePathName(extra, raw);
    std::string name = unicode ? std::move(*unicode) : textFromArchive(raw, flags, versionMadeBy);
    std::replace(name.begin(), name.end(), '\\', '/');
    return name;
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
