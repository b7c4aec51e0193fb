#include "platform/DisplayWidth.h"

#include "platform/Utf8Text.h"

#include <unicode/uchar.h>

namespace korvane {

namespace {

std::size_t columnsOf(char32_t c) {
    const auto type = u_charType(static_cast<UChar32>(c));
    if (type == U_NON_SPACING_MARK || type == U_ENCLOSING_MARK || type == U_FORMAT_CHAR) {
        return 0;
    }
    const auto width = u_getIntPropertyValue(static_cast<UChar32>(c), UCHAR_EAST_ASIAN_WIDTH);
    return width == U_EA_WIDE || width == U_EA_FULLWIDTH ? 2 : 1;
}

} // namespace

std::size_t displayWidthAt(std::string_view text, std::size_t at) {
    if (utf8SequenceLength(text, at) == 0) {
        return 1;
    }
    return columnsOf(decodeUtf8(utf8CharacterAt(text, at)).front());
}

} // namespace korvane
