#include "archive/internal/DiskPaths.h"

#include "platform/AsciiText.h"
#include "platform/FileError.h"
#include "platform/GamePath.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

namespace korvane {

namespace {

std::size_t lastSeparator(std::string_view path) {
    return path.find_last_of("\\/:");
}

char foldedChar(char c) {
    if (c == '\\') {
        return '/';
    }
    return asciiLower(c);
}

bool componentEqual(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return foldedChar(x) == foldedChar(y); });
}

// A Windows drive ("C:") starts the path.
bool startsWithDrive(std::string_view path) {
    return path.size() > 1 && path[1] == ':' && asciiLower(path[0]) >= 'a' && asciiLower(path[0]) <= 'z';
}

} // namespace

std::string_view folderPartOf(std::string_view path) {
    const auto at = lastSeparator(path);
    return at == std::string_view::npos ? std::string_view() : path.substr(0, at + 1);
}

std::string_view namePartOf(std::string_view path) {
    const auto at = lastSeparator(path);
    return at == std::string_view::npos ? path : path.substr(at + 1);
}

std::string withTrailingSeparator(std::string_view path) {
    std::string result(path);
    if (result.empty() || !isPathSeparator(result.back())) {
        result += '/';
    }
    return result;
}

std::string withoutTrailingSeparator(std::string_view path) {
    if (!path.empty() && isPathSeparator(path.back())) {
        path.remove_suffix(1);
    }
    return std::string(path);
}

std::string makeAbsolute(std::string_view path, std::string_view base) {
    const bool rooted = startsWithDrive(path) || (!path.empty() && isPathSeparator(path.front()));
    const bool server = rooted && path.size() > 1 && isPathSeparator(path[0]) && isPathSeparator(path[1]);
    std::string joined = rooted ? std::string(path) : withTrailingSeparator(base) + std::string(path);
    // A drive is the root itself: ".." never climbs above it.
    const bool drive = startsWithDrive(joined);
    std::vector<std::string_view> kept;
    for (const auto part : pathComponents(joined)) {
        if (part == ".") {
            continue;
        }
        if (part == "..") {
            if (kept.size() > (drive ? 1U : 0U)) {
                kept.pop_back();
            }
            continue;
        }
        kept.push_back(part);
    }
    std::string result = server ? "/" : "";
    for (const auto part : kept) {
        if (!(drive && result.empty())) {
            result += '/';
        }
        result += part;
    }
    if (drive && kept.size() == 1) {
        return result + '/';
    }
    if (result.empty() || result == "/") {
        return server ? "//" : "/";
    }
    if (isPathSeparator(joined.back())) {
        result += '/';
    }
    return result;
}

std::string workingFolder() {
    std::error_code error;
    const auto current = std::filesystem::current_path(error);
    if (error) {
        throw FileError("The current folder no longer exists.");
    }
    return current.string();
}

std::string absoluteFromWorkingFolder(std::string_view path) {
    const bool rooted = startsWithDrive(path) || (!path.empty() && isPathSeparator(path.front()));
    return makeAbsolute(path, rooted ? std::string("/") : workingFolder());
}

std::string relativePathOf(std::string_view path, std::string_view base) {
    const auto pathParts = pathComponents(path);
    const auto baseParts = pathComponents(base);
    std::size_t common = 0;
    while (common < pathParts.size() && common < baseParts.size() &&
           componentEqual(pathParts[common], baseParts[common])) {
        ++common;
    }
    std::string result;
    for (std::size_t i = common; i < baseParts.size(); ++i) {
        result += "../";
    }
    for (std::size_t i = common; i < pathParts.size(); ++i) {
        result += pathParts[i];
        if (i + 1 < pathParts.size()) {
            result += '/';
        }
    }
    if (!path.empty() && isPathSeparator(path.back()) && !result.empty() && result.back() != '/') {
        result += '/';
    }
    return result;
}

bool pathTextEqual(std::string_view a, std::string_view b) {
    return componentEqual(a, b);
}

bool pathTextStartsWith(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && componentEqual(text.substr(0, prefix.size()), prefix);
}

} // namespace korvane
