// A run that reads each folder once. While one lives on a thread, every folder listing that thread asks for
// is read from the disk the first time only and answered from memory after it, a name looked up by a hash of
// it, so a run over thousands of files in one folder stays linear in the folder's size. The run sees the
// folders as they were when it first listed them; runs nest, an inner one starting afresh.
#pragma once

#include "platform/FileFacts.h"
#include "platform/FolderListings.h"

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace korvane {

class ListingRun {
public:
    ListingRun();
    ~ListingRun();
    ListingRun(const ListingRun&) = delete;
    ListingRun& operator=(const ListingRun&) = delete;

    // This thread's innermost run, if any.
    static ListingRun* current();

    // What listFolder gives for a mask without wildcards: the entries equal to it ignoring ASCII letter case.
    std::vector<FolderItem> itemsNamed(const std::filesystem::path& folder, std::string_view name);
    // What entriesMatching gives.
    std::vector<FolderEntry> entriesMatching(const std::string& folder, std::string_view name);

private:
    struct Folder;
    Folder& folder(const std::string& path);

    std::unordered_map<std::string, std::unique_ptr<Folder>> folders_;
    ListingRun* outer_;
};

} // namespace korvane
