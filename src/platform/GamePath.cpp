#include "platform/GamePath.h"

#include "platform/Collation.h"

#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <mutex>
#include <unordered_map>
#include <vector>

namespace korvane {
namespace {

enum class Want { Any, File, Folder };

bool isSeparator(char c) {
    return c == '\\' || c == '/';
}

std::string join(const std::string& folder, std::string_view name) {
    if (folder.empty()) {
        return std::string(name);
    }
    std::string joined = folder;
    if (joined.back() != '/') {
        joined.push_back('/');
    }
    joined.append(name);
    return joined;
}

bool fits(const std::string& path, Want want) {
    struct stat info {};
    if (::stat(path.empty() ? "." : path.c_str(), &info) != 0) {
        return false;
    }
    switch (want) {
    case Want::File:
        return !S_ISDIR(info.st_mode);
    case Want::Folder:
        return S_ISDIR(info.st_mode);
    case Want::Any:
        break;
    }
    return true;
}

// Folder listings grouped by case-folded name, reused while the folder is unchanged. A folder changed
// within the last seconds is not kept: its time stamp may not yet tell a later change apart.
class ListingCache {
  public:
    using Listing = std::unordered_map<std::string, std::vector<std::string>>;

    std::vector<std::string> matches(const std::string& folder, std::string_view name) {
        const std::string key = caseFoldKey(name);
        std::lock_guard lock(mutex_);
        const Listing& listing = listingOf(folder);
        const auto found = listing.find(key);
        return found == listing.end() ? std::vector<std::string>{} : found->second;
    }

  private:
    struct Stamp {
        dev_t device = 0;
        ino_t inode = 0;
        timespec modified{};
        timespec changed{};
        bool operator==(const Stamp& other) const {
            return device == other.device && inode == other.inode && same(modified, other.modified) &&
                   same(changed, other.changed);
        }
        static bool same(const timespec& a, const timespec& b) {
            return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
        }
    };
    struct Cached {
        Stamp stamp;
        Listing listing;
    };

    static constexpr std::size_t kMaxFolders = 4096;
    static constexpr long kSettleSeconds = 2;

    const Listing& listingOf(const std::string& folder) {
        const std::string native = folder.empty() ? "." : folder;
        struct stat info {};
        if (::stat(native.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
            scratch_.clear();
            return scratch_;
        }
        const Stamp stamp{info.st_dev, info.st_ino, info.st_mtim, info.st_ctim};
        const auto cached = cache_.find(native);
        if (cached != cache_.end() && cached->second.stamp == stamp) {
            return cached->second.listing;
        }
        scratch_ = readListing(native);
        const auto now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
        if (info.st_mtim.tv_sec + kSettleSeconds >= now) {
            cache_.erase(native);
            return scratch_;
        }
        if (cache_.size() >= kMaxFolders) {
            cache_.clear();
        }
        auto& slot = cache_[native];
        slot = Cached{stamp, std::move(scratch_)};
        return slot.listing;
    }

    static Listing readListing(const std::string& folder) {
        Listing listing;
        std::error_code error;
        for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
            std::string name = it->path().filename().string();
            listing[caseFoldKey(name)].push_back(std::move(name));
        }
        for (auto& [key, names] : listing) {
            std::sort(names.begin(), names.end());
        }
        return listing;
    }

    std::mutex mutex_;
    std::unordered_map<std::string, Cached> cache_;
    Listing scratch_;
};

ListingCache& listings() {
    static ListingCache cache;
    return cache;
}

// The exact spelling when it exists as wanted, else the first name on disk (in byte order) equal to it
// ignoring letter case that does.
std::optional<std::string> resolveComponent(const std::string& folder, std::string_view name, Want want) {
    std::string exact = join(folder, name);
    if (fits(exact, want)) {
        return exact;
    }
    if (name == "." || name == "..") {
        return std::nullopt;
    }
    for (const auto& candidate : listings().matches(folder, name)) {
        std::string path = join(folder, candidate);
        if (fits(path, want)) {
            return path;
        }
    }
    return std::nullopt;
}

std::vector<std::string_view> components(std::string_view path) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = start;
        while (end < path.size() && !isSeparator(path[end])) {
            ++end;
        }
        if (end > start) {
            parts.push_back(path.substr(start, end - start));
        }
        start = end + 1;
    }
    return parts;
}

std::optional<std::string> resolveFolderParts(std::string_view path, const std::vector<std::string_view>& parts,
                                              std::size_t count) {
    std::optional<std::string> current = (!path.empty() && isSeparator(path.front())) ? "/" : "";
    for (std::size_t i = 0; i < count && current; ++i) {
        current = resolveComponent(*current, parts[i], Want::Folder);
    }
    return current;
}

std::optional<std::string> resolve(std::string_view path, Want want) {
    if (path.empty()) {
        return std::nullopt;
    }
    std::string native(path);
    std::replace(native.begin(), native.end(), '\\', '/');
    if (fits(native, want)) {
        return native;
    }
    const auto parts = components(path);
    if (parts.empty()) {
        return std::nullopt;
    }
    const auto folder = resolveFolderParts(path, parts, parts.size() - 1);
    return folder ? resolveComponent(*folder, parts.back(), want) : std::nullopt;
}

} // namespace

std::optional<std::filesystem::path> resolveExisting(std::string_view path) {
    const auto resolved = resolve(path, Want::Any);
    return resolved ? std::optional<std::filesystem::path>(*resolved) : std::nullopt;
}

std::optional<std::filesystem::path> resolveForCreate(std::string_view path) {
    const auto parts = components(path);
    if (parts.empty() || isSeparator(path.back()) || parts.back() == "." || parts.back() == "..") {
        return std::nullopt;
    }
    const auto folder = resolveFolderParts(path, parts, parts.size() - 1);
    if (!folder) {
        return std::nullopt;
    }
    const auto existing = resolveComponent(*folder, parts.back(), Want::Any);
    return std::filesystem::path(existing ? *existing : join(*folder, parts.back()));
}

bool fileExists(std::string_view path) {
    return resolve(path, Want::File).has_value();
}

bool folderExists(std::string_view path) {
    return resolve(path, Want::Folder).has_value();
}

bool isSafeGamePath(std::string_view relativeName) {
    if (relativeName.empty() || isSeparator(relativeName.front()) || relativeName.find(':') != std::string_view::npos ||
        relativeName.find('\0') != std::string_view::npos) {
        return false;
    }
    int depth = 0;
    for (const auto part : components(relativeName)) {
        if (part == "..") {
            if (--depth < 0) {
                return false;
            }
        } else if (part != ".") {
            ++depth;
        }
    }
    return true;
}

std::string_view extensionOf(std::string_view name) {
    const auto dot = name.rfind('.');
    if (dot == std::string_view::npos || name.find_first_of("\\/:", dot) != std::string_view::npos) {
        return {};
    }
    return name.substr(dot);
}

bool equalsAsciiNoCase(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return lower(x) == lower(y); });
}

} // namespace korvane
