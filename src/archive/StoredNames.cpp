#include "archive/internal/StoredNames.h"

#include "archive/internal/DiskPaths.h"
#include "platform/AsciiText.h"
#include "platform/GamePath.h"

#include <vector>

namespace korvane {

namespace {

// Drops everything up to a colon (a drive, "C:") or a server name ("\\server\") from the front.
std::string withoutDriveOrServer(std::string text) {
    if (const auto colon = text.find(':'); colon != std::string::npos) {
        return text.substr(colon + 1);
    }
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (isPathSeparator(text[i]) && isPathSeparator(text[i + 1])) {
            std::size_t end = i + 2;
            while (end < text.size() && !isPathSeparator(text[end])) {
                ++end;
            }
            return end < text.size() ? text.substr(end + 1) : std::string();
        }
    }
    return text;
}

// Whatever the earlier steps left, no component may be empty, "." or "..": the name stays inside the archive.
std::string confined(std::string_view text) {
    std::string result;
    std::size_t start = 0;
    while (start <= text.size()) {
        auto end = text.find_first_of("\\/", start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        const auto part = text.substr(start, end - start);
        if (!part.empty() && part != "." && part != "..") {
            if (!result.empty()) {
                result += '/';
            }
            result += part;
        }
        start = end + 1;
    }
    return result;
}

std::vector<std::string_view> partsOf(std::string_view path) {
    std::vector<std::string_view> parts;
    for (std::size_t start = 0; start <= path.size();) {
        const auto end = std::min(path.find('/', start), path.size());
        parts.push_back(path.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

// Each component as spelled on disk where the two spellings differ in the case of ASCII letters only. The game
// folds nothing else, so a component that differs in other letters keeps the spelling the map gave.
std::string spelledOnDisk(const std::string& written) {
    const auto found = resolveExisting(written);
    if (!found) {
        return written;
    }
    const std::string onDisk = found->string();
    const auto writtenParts = partsOf(written);
    const auto diskParts = partsOf(onDisk);
    if (writtenParts.size() != diskParts.size()) {
        return written;
    }
    std::string result;
    for (std::size_t i = 0; i < writtenParts.size(); ++i) {
        result += equalsAsciiNoCase(writtenParts[i], diskParts[i]) ? diskParts[i] : writtenParts[i];
        if (i + 1 < writtenParts.size()) {
            result += '/';
        }
    }
    return result;
}

} // namespace

std::string storedNameOf(std::string_view fullName, std::string_view base, TZEStorePathMode mode) {
    const auto absoluteBase = makeAbsolute(base, "/");
    // Every component takes its spelling on disk, so that one folder is never stored under two spellings.
    const auto name = spelledOnDisk(withoutTrailingSeparator(makeAbsolute(fullName, absoluteBase)));
    std::string text;
    switch (mode) {
    case spNoPath:
        text = std::string(namePartOf(name));
        break;
    case spRelativePath:
        text = relativePathOf(name, absoluteBase);
        if (text.find("../") != std::string::npos || text == "..") {
            text = name;
        }
        break;
    case spFullPath:
        text = name;
        break;
    }
    return confined(withoutDriveOrServer(text));
}

} // namespace korvane
