#include "archive/PatternMatch.h"

#include "archive/ZipEngine.h"
#include "platform/Collation.h"

#include <algorithm>

namespace korvane {
namespace {

bool isAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

char32_t asciiLower(char32_t c) {
    return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c;
}

// Decodes UTF-8; a byte that starts no valid sequence stands for itself in a range no character uses.
std::u32string decode(std::string_view text) {
    std::u32string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t n = lead < 0x80 ? 1 : (lead & 0xE0) == 0xC0 ? 2 : (lead & 0xF0) == 0xE0 ? 3 : 4;
        char32_t value = n == 1 ? lead : n == 2 ? (lead & 0x1F) : n == 3 ? (lead & 0x0F) : (lead & 0x07);
        bool valid = (lead & 0xC0) != 0x80 && lead < 0xF8 && i + n <= text.size();
        for (std::size_t k = 1; valid && k < n; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            valid = (next & 0xC0) == 0x80;
            value = (value << 6) | (next & 0x3F);
        }
        out.push_back(valid ? value : 0x110000 + lead);
        i += valid ? n : 1;
    }
    return out;
}

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

// Matching with one backtrack point: the last star seen. Linear in practice, never exponential.
bool wildcardMatch(const std::u32string& name, const std::u32string& pattern) {
    std::size_t n = 0;
    std::size_t p = 0;
    std::size_t starP = std::u32string::npos;
    std::size_t starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == U'*') {
            starP = p++;
            starN = n;
        } else if (p < pattern.size() && (pattern[p] == U'?' || pattern[p] == name[n])) {
            ++p;
            ++n;
        } else if (starP != std::u32string::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == U'*') {
        ++p;
    }
    return p == pattern.size();
}

// The text's characters with letter case folded away, for comparisons that ignore case.
std::u32string foldedCharacters(std::string_view text) {
    if (isAscii(text)) {
        std::u32string out(text.size(), U'\0');
        std::transform(text.begin(), text.end(), out.begin(),
                       [](char c) { return asciiLower(static_cast<char32_t>(c)); });
        return out;
    }
    return decode(caseFoldKey(text));
}

} // namespace

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (isAscii(a) && isAscii(b)) {
        return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
                   return asciiLower(static_cast<char32_t>(x)) == asciiLower(static_cast<char32_t>(y));
               });
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
