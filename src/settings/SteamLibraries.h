// Steam library folders as libraryfolders.vdf lists them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace korvane {

// The library paths of a libraryfolders.vdf text: "path" values of the current format and the numbered
// values of the old one that are absolute paths on this system, in file order.
std::vector<std::string> steamLibraryPaths(std::string_view vdfText);

} // namespace korvane
