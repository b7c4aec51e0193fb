// Columns on a Windows console, from the character types Windows keeps.
#include "platform/DisplayWidth.h"

#include "platform/Utf8Text.h"

#include "Wide.h"

namespace korvane {

std::size_t displayWidthAt(std::string_view text, std::size_t at) {
    if (utf8SequenceLength(text, at) == 0) {
        return 1;
    }
    const std::wstring wide = toWide(utf8CharacterAt(text, at));
    WORD type = 0;
    if (wide.empty() || GetStringTypeW(CT_CTYPE3, wide.data(), 1, &type) == 0) {
        return 1;
    }
    if ((type & C3_NONSPACING) != 0) {
        return 0;
    }
    return (type & (C3_FULLWIDTH | C3_IDEOGRAPH)) != 0 ? 2 : 1;
}

} // namespace korvane
