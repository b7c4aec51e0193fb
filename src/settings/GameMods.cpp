#include "settings/GameMods.h"

#include "platform/Collation.h"
#include "platform/FileFacts.h"
#include "platform/GamePath.h"
#include "settings/InstallFolder.h"
#include "settings/StandardListBuilder.h"

#include <algorithm>
#include <filesystem>

namespace korvane {

namespace {

std::optional<std::string> folderNamed(const std::string& parent, const std::string& name) {
    for (const FolderItem& item : listFolder(parent, "*")) {
        if ((item.attributes & faDirectory) != 0 && equalsAsciiNoCase(item.name, name)) {
            return parent + item.name + kNativeSeparator;
        }
    }
    return std::nullopt;
}

} // namespace

std::vector<std::string> installedMods(const std::string& installRoot) {
    std::vector<std::string> mods;
    if (const auto modsFolder = folderNamed(installRoot, "Mods")) {
        for (const FolderItem& item : listFolder(*modsFolder, "*")) {
            if ((item.attributes & faDirectory) != 0) {
                mods.push_back(item.name);
            }
        }
    }
    std::sort(mods.begin(), mods.end(), [](const std::string& a, const std::string& b) { return collate(a, b) < 0; });
    return mods;
}

std::optional<std::string> modFolderOf(const std::string& installRoot, const std::string& modName) {
    if (modName.empty() || !isSafeGamePath(modName) || modName.find_first_of("\\/") != std::string::npos) {
        return std::nullopt;
    }
    const auto modsFolder = folderNamed(installRoot, "Mods");
    return modsFolder ? folderNamed(*modsFolder, modName) : std::nullopt;
}

std::optional<std::string> modOfFolder(const std::string& folder) {
    const std::filesystem::path path = std::filesystem::path(folder).lexically_normal();
    const std::filesystem::path mod = path.has_filename() ? path : path.parent_path();
    const std::filesystem::path mods = mod.parent_path();
    if (!equalsAsciiNoCase(mods.filename().string(), "Mods") ||
        !isValidInstallation(withTrailingSeparator(mods.parent_path().string()))) {
        return std::nullopt;
    }
    return mod.filename().string();
}

std::string archiveNamedAfter(std::string map) {
    std::replace(map.begin(), map.end(), '\\', kNativeSeparator);
    return std::filesystem::path(map).stem().string() + ".gro";
}

std::vector<std::string> ownArchives(const std::vector<std::string>& maps, const std::string& destination,
                                     const std::string& modFolder) {
    std::vector<std::string> names;
    for (const std::string& map : maps) {
        names.push_back(archiveNamedAfter(map));
    }
    std::error_code error;
    const std::filesystem::path target(destination);
    // Named with its trailing separator, a folder is not equivalent to itself on Windows.
    std::filesystem::path folder(modFolder);
    if (!folder.has_filename()) {
        folder = folder.parent_path();
    }
    if (!destination.empty() && std::filesystem::equivalent(target.parent_path(), folder, error)) {
        names.push_back(target.filename().string());
    }
    return names;
}

NameList withModArchives(const NameList& standardFiles, const std::string& modFolder, TZipEngine& archiver,
                         ProgressSink& progress, const std::vector<std::string>& leaveOut) {
    // A fresh list: the standard list may have a view attached, which must not see these names.
    NameList combined;
    combined.assign(standardFiles.names(), true);
    for (const FolderItem& item : listFolder(modFolder, "*.gro")) {
        const bool own = std::any_of(leaveOut.begin(), leaveOut.end(),
                                     [&item](const std::string& name) { return equalsAsciiNoCase(name, item.name); });
        if ((item.attributes & faDirectory) == 0 && !own) {
            ListGroMembers(archiver, progress, modFolder + item.name, combined, {true, false});
        }
    }
    return combined;
}

} // namespace korvane
