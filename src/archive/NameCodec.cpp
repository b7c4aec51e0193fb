#include "archive/NameCodec.h"

#include "archive/UnicodePathField.h"
#include "archive/ZipRecords.h"
#include "platform/AsciiText.h"
#include "platform/CodePages.h"

#include <algorithm>

namespace korvane {
namespace {

// Length of the UTF-8 sequence starting at text[i], or 0 when it is not a valid one.
std::size_t sequenceLength(std::string_view text, std::size_t i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t n = 0;
    char32_t minimum = 0;
    char32_t value = 0;
    if (lead < 0x80) {
        return 1;
    } else if ((lead & 0xE0) == 0xC0) {
        n = 2, minimum = 0x80, value = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        n = 3, minimum = 0x800, value = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        n = 4, minimum = 0x10000, value = lead & 0x07;
    } else {
        return 0;
    }
    if (text.size() - i < n) {
        return 0;
    }
    for (std::size_t k = 1; k < n; ++k) {
        const auto next = static_cast<unsigned char>(text[i + k]);
        if ((next & 0xC0) != 0x80) {
            return 0;
        }
        value = (value << 6) | (next & 0x3F);
    }
    const bool surrogate = value >= 0xD800 && value <= 0xDFFF;
    return value < minimum || value > 0x10FFFF || surrogate ? 0 : n;
}

} // namespace

bool isValidUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t n = sequenceLength(text, i);
        if (n == 0) {
            return false;
        }
        i += n;
    }
    return true;
}

std::size_t utf8Length(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++count) {
        i += std::max<std::size_t>(1, sequenceLength(text, i));
    }
    return count;
}

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

} // namespace korvane
