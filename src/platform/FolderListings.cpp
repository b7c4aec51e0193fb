#include "platform/FolderListings.h"

#include "platform/Collation.h"
#include "platform/ListingRun.h"

#include <algorithm>
#include <chrono>
#include <mutex>
#include <unordered_map>

namespace korvane {
namespace {

using Listing = std::unordered_map<std::string, std::vector<FolderEntry>>;

Listing readListing(const std::string& folder) {
    Listing listing;
    for (auto& entry : folderEntries(folder)) {
        std::string key = caseFoldKey(entry.name);
        listing[std::move(key)].push_back(std::move(entry));
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
        const auto stamp = folderStamp(folder);
        if (!stamp) {
            return {};
        }
        std::lock_guard lock(mutex_);
        const auto cached = cache_.find(folder);
        if (cached != cache_.end() && cached->second.stamp == *stamp) {
            return find(cached->second.listing, key);
        }
        Listing listing = readListing(folder);
        const auto now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
        if (stamp->modifiedSeconds + kSettleSeconds >= now) {
            cache_.erase(folder);
            return find(listing, key);
        }
        if (cache_.size() >= kMaxFolders) {
            cache_.clear();
        }
        auto& slot = cache_[folder];
        slot = Cached{*stamp, std::move(listing)};
        return find(slot.listing, key);
    }

private:
    struct Cached {
        FolderStamp stamp;
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

std::vector<FolderEntry> entriesMatching(const std::string& folder, std::string_view name) {
    if (ListingRun* run = ListingRun::current()) {
        return run->entriesMatching(folder.empty() ? "." : folder, name);
    }
    static ListingCache cache;
    return cache.matches(folder.empty() ? "." : folder, name);
}

} // namespace korvane
