// Folder listings for resolving names without regard to letter case, reused while a folder is unchanged.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace korvane {

struct FolderEntry {
    enum class Kind { Folder, File, Unknown }; // Unknown: a link or a type the listing did not tell
    std::string name;
    Kind kind = Kind::Unknown;
};

// The entries of the folder whose names equal the name ignoring letter case, in byte order of their names.
// A missing folder has none.
std::vector<FolderEntry> entriesMatching(const std::string& folder, std::string_view name);

} // namespace korvane
