#include "platform/GamePath.h"

#include "platform/FolderListings.h"

#include <sys/stat.h>

#include <algorithm>
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

// The exact spelling when it exists as wanted (unless the caller already knows it does not), else the
// first name on disk, in byte order, equal to it ignoring letter case that does.
std::optional<std::string> resolveComponent(const std::string& folder, std::string_view name, Want want,
                                            bool exactMissing) {
    if (!exactMissing) {
        std::string exact = join(folder, name);
        if (fits(exact, want)) {
            return exact;
        }
    }
    if (name == "." || name == "..") {
        return std::nullopt;
    }
    for (const auto& entry : entriesMatching(folder, name)) {
        std::string path = join(folder, entry.name);
        if (entry.kind == FolderEntry::Kind::Unknown ? fits(path, want) : kindFits(entry.kind, want)) {
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

std::string joinParts(bool absolute, const std::vector<std::string_view>& parts, std::size_t count) {
    std::string joined = absolute ? "/" : "";
    for (std::size_t i = 0; i < count; ++i) {
        joined = join(joined, parts[i]);
    }
    return joined;
}

// Resolves the first `count` components as folders. The deepest folder spelled exactly is found first (the
// installation root always is), so only the components below it are matched through listings.
std::optional<std::string> resolveFolder(std::string_view path, const std::vector<std::string_view>& parts,
                                         std::size_t count) {
    const bool absolute = !path.empty() && isSeparator(path.front());
    std::size_t exact = count;
    std::string current = joinParts(absolute, parts, exact);
    while (exact > 0 && !fits(current, Want::Folder)) {
        current = joinParts(absolute, parts, --exact);
    }
    for (std::size_t i = exact; i < count; ++i) {
        auto next = resolveComponent(current, parts[i], Want::Folder, i == exact);
        if (!next) {
            return std::nullopt;
        }
        current = std::move(*next);
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
    const auto folder = resolveFolder(path, parts, parts.size() - 1);
    return folder ? resolveComponent(*folder, parts.back(), want, true) : std::nullopt;
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
    const auto folder = resolveFolder(path, parts, parts.size() - 1);
    if (!folder) {
        return std::nullopt;
    }
    const auto existing = resolveComponent(*folder, parts.back(), Want::Any, false);
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
