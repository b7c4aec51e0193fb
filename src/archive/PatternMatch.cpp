#include "archive/internal/PatternMatch.h"

#include "archive/ZipEngine.h"
#include "platform/AsciiText.h"
#include "platform/Collation.h"
#include "platform/Utf8Text.h"
#include "platform/Wildcard.h"

#include <algorithm>

namespace korvane {
namespace {

// "*" runs over any characters; "?" is one character. A run of two or more stars ending the pattern needs at
// least one character, which "?*" says in the usual form.
std::u32string normalisedPattern(std::u32string pattern) {
    std::size_t stars = 0;
    while (stars < pattern.size() && pattern[pattern.size() - 1 - stars] == U'*') {
        ++stars;
    }
    if (stars >= 2) {
        pattern.resize(pattern.size() - stars);
        pattern += U"?*";
    }
    return pattern;
}

// The text's characters with letter case folded away, for comparisons that ignore case.
std::u32string foldedCharacters(std::string_view text) {
    if (isAscii(text)) {
        std::u32string out(text.size(), U'\0');
        std::transform(text.begin(), text.end(), out.begin(),
                       [](char c) { return static_cast<char32_t>(asciiLower(c)); });
        return out;
    }
    return decodeUtf8(caseFoldKey(text));
}

} // namespace

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (isAscii(a) && isAscii(b)) {
        return equalsAsciiNoCase(a, b);
    }
    return foldedCharacters(a) == foldedCharacters(b);
}

bool hasWildcards(std::string_view mask) {
    return mask.find_first_of("*?") != std::string_view::npos;
}

bool TZEBaseArchiver::IsStrMatchPattern(std::string_view name, std::string_view pattern) {
    if (pattern == "*.*") {
        return true;
    }
    return wildcardMatch(foldedCharacters(name), normalisedPattern(foldedCharacters(pattern)));
}

} // namespace korvane
