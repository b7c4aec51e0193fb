// Stepping through UTF-8 text; names on disk and in archives may hold bytes that are not valid UTF-8.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace korvane {

// Length of the valid UTF-8 sequence starting at text[at], or 0 when none starts there.
std::size_t utf8SequenceLength(std::string_view text, std::size_t at);
// The character starting at text[at]; a byte that starts no valid sequence stands alone.
std::string_view utf8CharacterAt(std::string_view text, std::size_t at);

bool isValidUtf8(std::string_view text);
// Characters (code points) of the text; each invalid byte counts as one.
std::size_t utf8Length(std::string_view text);
// The text's code points; an invalid byte stands for itself in a range no character uses.
std::u32string decodeUtf8(std::string_view text);
// Appends the code point's UTF-8 bytes.
void appendUtf8(std::string& out, char32_t code);

} // namespace korvane
