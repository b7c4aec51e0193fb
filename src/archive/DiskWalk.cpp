#include "archive/internal/DiskWalk.h"

#include "archive/internal/DiskPaths.h"
#include "archive/internal/FileMasks.h"
#include "archive/internal/PatternMatch.h"
#include "platform/FileFacts.h"
#include "platform/FileHandle.h"
#include "platform/GamePath.h"

namespace korvane {

std::mutex EngineLock;

namespace {

constexpr std::uint32_t kSpecialBits = faHidden | faSysFile | faVolumeId | faDirectory;

std::pair<std::uint64_t, std::uint64_t> identityOf(const std::filesystem::path& path) {
    const auto identity = fileIdentity(path);
    return identity ? std::pair{identity->device, identity->file} : std::pair<std::uint64_t, std::uint64_t>{0, 0};
}

// The platform's search: an item with a special bit the caller did not ask for is not returned.
bool searchReturns(std::uint32_t attributes, std::uint32_t asked) {
    return (attributes & ~asked & kSpecialBits) == 0;
}

} // namespace

DiskWalk::DiskWalk(DiskWalkSettings settings, FoundStep found)
    : settings_(std::move(settings)), found_(std::move(found)) {}

bool DiskWalk::excluded(const std::string& fullName, bool isFolder) const {
    for (const auto& mask : settings_.exclusions) {
        if (!mask.empty() && IsExternalFileMatchMask(fullName, mask, isFolder, settings_.base, settings_.baseDir)) {
            return true;
        }
    }
    return false;
}

bool DiskWalk::takeFound(const std::string& folder, const std::string& name, bool isFolder, std::uint32_t attributes) {
    std::string fullName = withTrailingSeparator(folder) + name;
    if (isFolder) {
        fullName += '/';
    }
    if (excluded(fullName, isFolder)) {
        return false;
    }
    found_(fullName, isFolder, attributes);
    return true;
}

void DiskWalk::walk(const std::string& folder, const std::string& mask, bool recursive) {
    const auto full = GetFullMask(mask, folder);
    const std::uint32_t asked = settings_.searchAttr & ~std::uint32_t{faDirectory};
    const std::string maskFolder(folderPartOf(full.mask));
    const auto nativeFolder = resolveExisting(maskFolder);
    if (!nativeFolder) {
        return;
    }
    const auto identity = identityOf(*nativeFolder);
    if (!entered_.insert(identity).second) {
        return;
    }
    for (const auto& item : listFolder(*nativeFolder, namePartOf(full.mask))) {
        if (searchReturns(item.attributes, asked) && (item.attributes & asked) != 0 &&
            (settings_.archiveIdentity.second == 0 ||
             identityOf(*nativeFolder / item.name) != settings_.archiveIdentity)) {
            takeFound(maskFolder, item.name, false, item.attributes);
        }
    }
    if ((settings_.searchAttr & faDirectory) != 0 || recursive) {
        walkSubFolders(folder, mask, full.relative, full.mask, recursive);
    }
    entered_.erase(identity);
}

void DiskWalk::walkSubFolders(const std::string& folder, const std::string& mask, bool relative,
                              const std::string& fullMask, bool recursive) {
    std::string parent(folderPartOf(fullMask));
    const auto absoluteFolder = makeAbsolute(folder, settings_.base);
    if (makeAbsolute(parent, settings_.base).find(withoutTrailingSeparator(absoluteFolder)) == std::string::npos &&
        relative) {
        parent = withTrailingSeparator(folder);
    }
    const auto nativeParent = resolveExisting(parent);
    if (!nativeParent) {
        return;
    }
    for (const auto& item : listFolder(*nativeParent, "*")) {
        if ((item.attributes & faDirectory) == 0 || item.name.starts_with('.')) {
            continue;
        }
        const auto sub = parent + item.name;
        if (excluded(sub, true)) {
            continue;
        }
        if ((settings_.searchAttr & faDirectory) != 0 && MatchesMask(sub, fullMask)) {
            if (takeFound(parent, item.name, true, item.attributes)) {
                walk(sub, "*.*", true);
            }
            continue;
        }
        if (!recursive) {
            continue;
        }
        if (relative) {
            walk(sub, mask, true);
        } else if (hasWildcards(mask)) {
            walk(sub, std::string(namePartOf(fullMask)), true);
        }
    }
}

} // namespace korvane
