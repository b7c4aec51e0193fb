#include "platform/FolderListings.h"

#include "platform/Collation.h"
#include "platform/ListingRun.h"

#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <mutex>
#include <unordered_map>

namespace korvane {
namespace {

using Listing = std::unordered_map<std::string, std::vector<FolderEntry>>;

struct Stamp {
    dev_t device = 0;
    ino_t inode = 0;
    timespec modified{};
    timespec changed{};

    bool operator==(const Stamp& other) const {
        return device == other.device && inode == other.inode && same(modified, other.modified) &&
               same(changed, other.changed);
    }
    static bool same(const timespec& a, const timespec& b) { return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec; }
};

Listing readListing(const std::string& folder) {
    Listing listing;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::string name = it->path().filename().string();
        listing[caseFoldKey(name)].push_back({std::move(name), entryKind(*it)});
    }
    for (auto& [key, entries] : listing) {
        std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) { return a.name < b.name; });
    }
    return listing;
}

// A folder changed within the last seconds is listed afresh each time: its time stamp might not yet tell
// a later change in the same clock tick apart.
class ListingCache {
public:
    std::vector<FolderEntry> matches(const std::string& folder, std::string_view name) {
        const std::string key = caseFoldKey(name);
        struct stat info {};
        if (::stat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
            return {};
        }
        const Stamp stamp{info.st_dev, info.st_ino, info.st_mtim, info.st_ctim};
        std::lock_guard lock(mutex_);
        const auto cached = cache_.find(folder);
        if (cached != cache_.end() && cached->second.stamp == stamp) {
            return find(cached->second.listing, key);
        }
        Listing listing = readListing(folder);
        const auto now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
        if (info.st_mtim.tv_sec + kSettleSeconds >= now) {
            cache_.erase(folder);
            return find(listing, key);
        }
        if (cache_.size() >= kMaxFolders) {
            cache_.clear();
        }
        auto& slot = cache_[folder];
        slot = Cached{stamp, std::move(listing)};
        return find(slot.listing, key);
    }

private:
    struct Cached {
        Stamp stamp;
        Listing listing;
    };

    static constexpr std::size_t kMaxFolders = 4096;
    static constexpr long kSettleSeconds = 2;

    static std::vector<FolderEntry> find(const Listing& listing, const std::string& key) {
        const auto found = listing.find(key);
        return found == listing.end() ? std::vector<FolderEntry>{} : found->second;
    }

    std::mutex mutex_;
    std::unordered_map<std::string, Cached> cache_;
};

} // namespace

FolderEntry::Kind entryKind(const std::filesystem::directory_entry& entry) {
    std::error_code error;
    // Uses the type the listing gave where it gave one; no extra call per entry.
    const auto type = entry.symlink_status(error).type();
    if (error || type == std::filesystem::file_type::symlink || type == std::filesystem::file_type::unknown ||
        type == std::filesystem::file_type::none) {
        return FolderEntry::Kind::Unknown;
    }
    return type == std::filesystem::file_type::directory ? FolderEntry::Kind::Folder : FolderEntry::Kind::File;
}

std::vector<FolderEntry> entriesMatching(const std::string& folder, std::string_view name) {
    if (ListingRun* run = ListingRun::current()) {
        return run->entriesMatching(folder.empty() ? "." : folder, name);
    }
    static ListingCache cache;
    return cache.matches(folder.empty() ? "." : folder, name);
}

} // namespace korvane
