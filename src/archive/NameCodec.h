// Entry names and comments as the engine holds them: UTF-8 with '/' separators.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace korvane {

// Bytes as stored in the archive to UTF-8: taken as UTF-8 when the language-encoding flag says so (and they
// are valid UTF-8), else converted from the OEM code page.
std::string textFromArchive(std::string_view raw, std::uint16_t flags);
// The same, with every '\' turned into '/': a StoredName.
std::string storedNameFromArchive(std::string_view raw, std::uint16_t flags);

bool isValidUtf8(std::string_view text);
// Characters (code points) of valid UTF-8 text; each invalid byte counts as one.
std::size_t utf8Length(std::string_view text);

} // namespace korvane
