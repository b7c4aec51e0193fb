#include "platform/GamePath.h"

#include "platform/FileFacts.h"
#include "platform/FolderListings.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace korvane {
namespace {

enum class Want { Any, File, Folder };

thread_local std::uint64_t lookups = 0;

bool isSeparator(char c) {
    return c == '\\' || c == '/';
}

bool fits(const std::string& path, Want want) {
    ++lookups;
    const PathKind kind = pathKind(path);
    switch (want) {
    case Want::File:
        return kind == PathKind::File;
    case Want::Folder:
        return kind == PathKind::Folder;
    case Want::Any:
        break;
    }
    return kind != PathKind::None;
}

// The path with both separators written as the platform writes them.
std::string nativeSeparators(std::string_view path) {
    std::string native(path);
    std::replace_if(native.begin(), native.end(), isSeparator, kNativeSeparator);
    return native;
}

bool kindFits(FolderEntry::Kind kind, Want want) {
    switch (want) {
    case Want::File:
        return kind == FolderEntry::Kind::File;
    case Want::Folder:
        return kind == FolderEntry::Kind::Folder;
    case Want::Any:
        break;
    }
    return true;
}

// A path resolved one component at a time. Each step appends to the folder already resolved, so no prefix
// is ever rebuilt or looked up twice.
class Walk {
public:
    explicit Walk(std::string root) : path_(std::move(root)) {}

    // The exact spelling when it exists as wanted, else the first name on disk, in byte order, equal to it
    // ignoring letter case that does. False leaves the walk where it was.
    bool step(std::string_view name, Want want) {
        const std::size_t folderEnd = path_.size();
        append(name);
        if (fits(path_, want)) {
            return true;
        }
        path_.resize(folderEnd);
        if (name == "." || name == "..") {
            return false;
        }
        ++lookups;
        for (const auto& entry : entriesMatching(path_, name)) {
            append(entry.name);
            if (entry.kind == FolderEntry::Kind::Unknown ? fits(path_, want) : kindFits(entry.kind, want)) {
                return true;
            }
            path_.resize(folderEnd);
        }
        return false;
    }

    // The component as written, for a file that is yet to be made.
    void take(std::string_view name) { append(name); }

    std::string& path() { return path_; }

private:
    void append(std::string_view name) {
        if (!path_.empty() && path_.back() != kNativeSeparator) {
            path_.push_back(kNativeSeparator);
        }
        path_.append(name);
    }

    std::string path_;
};

// Resolves every component but the last as a folder. The walk starts at the path's root as the platform writes
// it ("/", or "C:/" and "//server/" on Windows), which is taken as it is.
std::optional<Walk> walkToFolder(std::string_view path, const std::vector<std::string_view>& parts) {
    std::string root = std::filesystem::path(nativeSeparators(path)).root_path().string();
    const std::size_t rootParts = pathComponents(root).size();
    Walk walk(std::move(root));
    for (std::size_t i = rootParts; i + 1 < parts.size(); ++i) {
        if (!walk.step(parts[i], Want::Folder)) {
            return std::nullopt;
        }
    }
    return walk;
}

std::optional<std::string> resolve(std::string_view path, Want want) {
    if (path.empty()) {
        return std::nullopt;
    }
    std::string native = nativeSeparators(path);
    if (fits(native, want)) {
        return native;
    }
    const auto parts = pathComponents(path);
    if (parts.empty()) {
        return std::nullopt;
    }
    auto walk = walkToFolder(path, parts);
    if (!walk || !walk->step(parts.back(), want)) {
        return std::nullopt;
    }
    return std::move(walk->path());
}

// Not absolute, no drive letter or server, no NUL byte.
bool isRelative(std::string_view name) {
    return !name.empty() && !isSeparator(name.front()) && name.find(':') == std::string_view::npos &&
           name.find('\0') == std::string_view::npos;
}

bool climbs(std::string_view name) {
    const auto parts = pathComponents(name);
    return std::find(parts.begin(), parts.end(), "..") != parts.end();
}

// A file that is no link lies where its folder really is. Runs ask about many files of one folder: the folder's
// real location is worked out again only when the folder's name or the folder it names changes.
std::filesystem::path realFileLocation(const std::filesystem::path& path) {
    const auto name = path.filename();
    const auto folder = path.parent_path();
    std::error_code error;
    const auto own = std::filesystem::symlink_status(path, error).type();
    const auto parent = folderStamp(folder.string());
    if (name.empty() || name == "." || name == ".." || folder.empty() || error ||
        own == std::filesystem::file_type::not_found || own == std::filesystem::file_type::symlink || !parent) {
        return realLocation(path);
    }
    thread_local std::filesystem::path lastFolder;
    thread_local std::filesystem::path lastRealFolder;
    thread_local std::pair<std::uint64_t, std::uint64_t> lastIdentity;
    const std::pair identity{parent->device, parent->file};
    if (lastRealFolder.empty() || folder != lastFolder || identity != lastIdentity) {
        lastRealFolder = realLocation(folder);
        lastFolder = folder;
        lastIdentity = identity;
    }
    return lastRealFolder.empty() ? std::filesystem::path() : lastRealFolder / name;
}

} // namespace

std::optional<std::filesystem::path> resolveExisting(std::string_view path) {
    const auto resolved = resolve(path, Want::Any);
    return resolved ? std::optional<std::filesystem::path>(*resolved) : std::nullopt;
}

std::optional<std::filesystem::path> resolveForCreate(std::string_view path) {
    const auto parts = pathComponents(path);
    if (parts.empty() || isSeparator(path.back()) || parts.back() == "." || parts.back() == "..") {
        return std::nullopt;
    }
    auto walk = walkToFolder(path, parts);
    if (!walk) {
        return std::nullopt;
    }
    if (!walk->step(parts.back(), Want::Any)) {
        walk->take(parts.back());
    }
    return std::filesystem::path(walk->path());
}

bool fileExists(std::string_view path) {
    return resolve(path, Want::File).has_value();
}

bool folderExists(std::string_view path) {
    return resolve(path, Want::Folder).has_value();
}

std::uint64_t pathLookups() {
    return lookups;
}

bool isSafeGamePath(std::string_view relativeName) {
    return isRelative(relativeName) && !climbs(relativeName);
}

bool liesInside(const std::filesystem::path& path, std::string_view folder) {
    const auto real = realFileLocation(path);
    // A run asks about many files of one folder: its real location is worked out once while it stays the same.
    thread_local std::string lastFolder;
    thread_local std::filesystem::path lastRealFolder;
    if (lastRealFolder.empty() || folder != lastFolder) {
        lastRealFolder = realLocation(std::filesystem::path(folder));
        lastFolder = folder;
    }
    const auto& realFolder = lastRealFolder;
    if (real.empty() || realFolder.empty()) {
        return false;
    }
    const auto [folderEnd, pathAt] = std::mismatch(realFolder.begin(), realFolder.end(), real.begin(), real.end());
    return folderEnd == realFolder.end() && pathAt != real.end();
}

GameFile lookUpGameFile(std::string_view installRoot, std::string_view name) {
    if (!isRelative(name)) {
        return {GameFileStatus::NotRelative, {}};
    }
    if (climbs(name)) {
        return {GameFileStatus::ClimbsUp, {}};
    }
    const auto resolved = resolve(std::string(installRoot) + std::string(name), Want::File);
    if (!resolved) {
        return {GameFileStatus::Missing, {}};
    }
    if (!liesInside(*resolved, installRoot)) {
        return {GameFileStatus::LeadsOutside, {}};
    }
    return {GameFileStatus::Present, *resolved};
}

std::string_view extensionOf(std::string_view name) {
    const auto dot = name.rfind('.');
    if (dot == std::string_view::npos || name.find_first_of("\\/:", dot) != std::string_view::npos) {
        return {};
    }
    return name.substr(dot);
}

std::vector<std::string_view> pathComponents(std::string_view path) {
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

std::string withDefaultExtension(std::string path, std::string_view extension) {
    const std::string_view current = extensionOf(path);
    if (current.empty()) {
        path += '.';
    }
    if (current.size() <= 1) {
        path += extension;
    }
    return path;
}

std::string relativeNameOf(std::string_view chosenPath, std::string_view root) {
    std::string relative(chosenPath.substr(std::min(root.size(), chosenPath.size())));
    std::replace_if(
        relative.begin(), relative.end(), [](char c) { return kNativeSeparators.find(c) != std::string_view::npos; },
        '\\');
    return relative;
}

} // namespace korvane
