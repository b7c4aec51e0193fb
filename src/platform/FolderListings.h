// Folder listings for resolving names without regard to letter case, reused while a folder is unchanged.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

struct FolderEntry {
    enum class Kind { Folder, File, Unknown }; // Unknown: a link or a type the listing did not tell
    std::string name;
    Kind kind = Kind::Unknown;
};

// The kind of a listed entry, as the listing told it.
FolderEntry::Kind entryKind(const std::filesystem::directory_entry& entry);

// The entries of the folder whose names equal the name ignoring letter case, in byte order of their names.
// A missing folder has none. Within a ListingRun, the run's listing of the folder answers.
std::vector<FolderEntry> entriesMatching(const std::string& folder, std::string_view name);

} // namespace korvane
