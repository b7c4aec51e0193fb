// The destination archive's native path taken apart: name, extension, folder.
#pragma once

#include <string>
#include <string_view>

namespace korvane {

// What follows the last separator.
std::string_view destinationName(std::string_view path);
// ".gro" appended when the name has no extension, "gro" when it ends in a bare "."; any other extension stays.
std::string withGroExtension(std::string path);
// The folder without its trailing separator, except the root, which keeps it; empty for a bare name.
std::string destinationFolder(std::string_view path);
// The folder with its trailing separator; empty for a bare name.
std::string destinationFolderPath(std::string_view path);

} // namespace korvane
