// The order in which the game reads its archives, which decides whose copy of a name it uses: the first
// archive read that holds the name wins. A mod's archives come first, then the game folder's; within each,
// reverse alphabetical order of the paths, ignoring the case of ASCII letters.
#pragma once

#include <string>
#include <string_view>

namespace korvane {

// Archives named by their paths relative to the installation, with '\' separators.
bool readBefore(std::string_view a, std::string_view b);

// The file name `mine` with as few leading "Z" as make the game read it before `other`, in the same folder;
// empty when no such prefix does.
std::string nameReadBefore(std::string_view mine, std::string_view other);

// True when the archive lies in a mod's folder, whose archives the game reads before its own.
bool inModFolder(std::string_view archive);

} // namespace korvane
