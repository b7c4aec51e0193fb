// The locale-aware comparison that ignores letter case: punctuation (the backslash included) sorts before
// digits, digits before letters.
#pragma once

#include <string>
#include <string_view>

namespace korvane {

int collate(std::string_view a, std::string_view b); // <0, 0, >0
inline bool collateEqual(std::string_view a, std::string_view b) {
    return collate(a, b) == 0;
}

// Key for whole-name membership that ignores letter case (full Unicode case folding of UTF-8 text).
std::string caseFoldKey(std::string_view text);
// One character with its letter case folded away (simple folding, so one character stays one).
char32_t foldedCharacter(char32_t c);

} // namespace korvane
