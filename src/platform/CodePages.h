// The two 8-bit code pages of the game's platform, converted at the program's edges; UTF-8 inside.
// Defaults: ANSI Windows-1251 and OEM CP866; KORVANE_ANSI_CODEPAGE and KORVANE_OEM_CODEPAGE override them.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace korvane {

// Decoding never fails: a byte the code page does not define becomes a private-use character that encodes
// back to the same byte.
std::string ansiToUtf8(std::string_view bytes);
std::string oemToUtf8(std::string_view bytes);

// Encoding fails (nothing) when a character has no byte in the code page.
std::optional<std::string> utf8ToAnsi(std::string_view text);
std::optional<std::string> utf8ToOem(std::string_view text);
// Appends the text in the ANSI code page, a character it lacks written as '?', as the game's platform does.
void appendAnsiReplacing(std::string& out, std::string_view text);

// What the platform says about a single-byte code page: the characters of bytes 0x80 to 0xFF, 0 for a byte it
// leaves undefined; nothing when it knows no such code page.
std::optional<std::array<char32_t, 128>> codePageUpperHalf(int number);

} // namespace korvane
