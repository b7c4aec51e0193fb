#include "platform/FolderListings.h"

#include <system_error>

namespace korvane {
namespace {

// Uses the type the listing gave where it gave one; no extra call per entry.
FolderEntry::Kind entryKind(const std::filesystem::directory_entry& entry) {
    std::error_code error;
    const auto type = entry.symlink_status(error).type();
    if (error || type == std::filesystem::file_type::symlink || type == std::filesystem::file_type::unknown ||
        type == std::filesystem::file_type::none) {
        return FolderEntry::Kind::Unknown;
    }
    return type == std::filesystem::file_type::directory ? FolderEntry::Kind::Folder : FolderEntry::Kind::File;
}

} // namespace

std::vector<FolderEntry> folderEntries(const std::filesystem::path& folder) {
    std::vector<FolderEntry> entries;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        entries.push_back({it->path().filename().string(), entryKind(*it)});
    }
    return entries;
}

} // namespace korvane
