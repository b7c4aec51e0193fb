// Folder listings for resolving names without regard to letter case, reused while a folder is unchanged.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

struct FolderEntry {
    enum class Kind { Folder, File, Unknown }; // Unknown: a link or a type the listing did not tell
    std::string name;
    Kind kind = Kind::Unknown;
};

// The folder's entries, "." and ".." left out, each with the kind the listing told, in no particular order.
// A missing folder has none.
std::vector<FolderEntry> folderEntries(const std::filesystem::path& folder);

// The entries of the folder whose names equal the name ignoring letter case, in byte order of their names.
// A missing folder has none. Within a ListingRun, the run's listing of the folder answers.
std::vector<FolderEntry> entriesMatching(const std::string& folder, std::string_view name);

// What tells that a folder's entries may have changed: which folder it is and its change times, as exact as
// the file system keeps them. Nothing when the path names no folder.
struct FolderStamp {
    std::uint64_t device = 0;
    std::uint64_t file = 0;
    std::int64_t modified = 0;
    std::int64_t changed = 0;
    std::int64_t modifiedSeconds = 0; // since 1970
    bool operator==(const FolderStamp&) const = default;
};
std::optional<FolderStamp> folderStamp(const std::string& folder);

} // namespace korvane
