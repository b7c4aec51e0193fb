// The comparison of the game's platform itself: CompareStringEx ignoring case, punctuation sorted as
// symbols before digits and letters.
#include "platform/Collation.h"

#include "platform/Utf8Text.h"

#include "Wide.h"

namespace korvane {
namespace {

std::wstring lowered(std::wstring_view text) {
    if (text.empty()) {
        return {};
    }
    const int size = static_cast<int>(text.size());
    std::wstring out(static_cast<std::size_t>(LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_LOWERCASE, text.data(), size,
                                                            nullptr, 0, nullptr, nullptr, 0)),
                     L'\0');
    LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_LOWERCASE, text.data(), size, out.data(), static_cast<int>(out.size()),
                  nullptr, nullptr, 0);
    return out;
}

} // namespace

int collate(std::string_view a, std::string_view b) {
    const std::wstring wideA = toWide(a);
    const std::wstring wideB = toWide(b);
    const int result = CompareStringEx(LOCALE_NAME_USER_DEFAULT, NORM_IGNORECASE | SORT_STRINGSORT, wideA.data(),
                                       static_cast<int>(wideA.size()), wideB.data(), static_cast<int>(wideB.size()),
                                       nullptr, nullptr, 0);
    if (result == 0) {
        return a.compare(b) < 0 ? -1 : (a == b ? 0 : 1);
    }
    return result - CSTR_EQUAL;
}

// Character by character, so that bytes that are no UTF-8 stay apart; the sharp s folds to "ss" as in full
// case folding, which Windows lacks.
std::string caseFoldKey(std::string_view text) {
    std::string key;
    for (std::size_t i = 0; i < text.size();) {
        const std::string_view character = utf8CharacterAt(text, i);
        i += character.size();
        if (utf8SequenceLength(character, 0) == 0) {
            key += character;
        } else if (character == "\xC3\x9F" || character == "\xE1\xBA\x9E") {
            key += "ss";
        } else {
            key += fromWide(lowered(toWide(character)));
        }
    }
    return key;
}

char32_t foldedCharacter(char32_t c) {
    if (c > 0xFFFF) {
        return c;
    }
    const wchar_t in = static_cast<wchar_t>(c);
    const std::wstring out = lowered(std::wstring_view(&in, 1));
    return out.size() == 1 ? out[0] : c;
}

} // namespace korvane
