#include "settings/InstallDetection.h"

#include "platform/AsciiText.h"
#include "platform/FileHandle.h"
#include "platform/GamePath.h"
#include "platform/SystemRegistry.h"
#include "settings/InstallFolder.h"
#include "settings/SteamLibraries.h"
#include "settings/WineRegistry.h"

#include <algorithm>
#include <system_error>

namespace korvane {

namespace {

constexpr std::string_view kGameKeys[] = {"\\Software\\Croteam\\SeriousSamSE", "\\Software\\Croteam\\SeriousSam"};
// The same keys as a Wine prefix's system.reg names them; a 64-bit prefix files 32-bit programs under
// Wow6432Node.
constexpr std::string_view kWineKeys[] = {
    "Software\\Croteam\\SeriousSamSE",
    "Software\\Croteam\\SeriousSam",
    "Software\\Wow6432Node\\Croteam\\SeriousSamSE",
    "Software\\Wow6432Node\\Croteam\\SeriousSam",
};

std::string readText(const std::filesystem::path& file) {
    return readWholeFile(file).value_or(std::string());
}

bool isSecondEncounter(const std::filesystem::path& folder) {
    return asciiLowered(folder.filename().string()).find("second encounter") != std::string::npos;
}

// The game folders of the libraries' steamapps/common, those of the Second Encounter first.
std::vector<std::filesystem::path> steamGameFolders(const std::vector<std::filesystem::path>& libraries) {
    std::vector<std::filesystem::path> folders;
    for (const auto& library : libraries) {
        std::vector<std::filesystem::path> found;
        std::error_code error;
        for (const auto& entry : std::filesystem::directory_iterator(library / "steamapps" / "common", error)) {
            const std::string name = asciiLowered(entry.path().filename().string());
            if (name.find("serious sam") != std::string::npos && entry.is_directory(error)) {
                found.push_back(entry.path());
            }
        }
        std::sort(found.begin(), found.end());
        folders.insert(folders.end(), found.begin(), found.end());
    }
    std::stable_partition(folders.begin(), folders.end(), isSecondEncounter);
    return folders;
}

} // namespace

std::string validInstallationFolder(std::string_view value, const DetectionPlaces& places) {
    std::string folder(value);
    if (auto mapped = wineDrivePath(places.winePrefix, value)) {
        folder = *mapped;
    }
    while (folder.size() > 1 && (folder.back() == '/' || folder.back() == '\\')) {
        folder.pop_back();
    }
    if (folder.empty() || !isValidInstallation(folder + kNativeSeparator)) {
        return {};
    }
    // The spelling on disk, so that later paths need no letter-case resolving of the root.
    const auto resolved = resolveExisting(folder);
    return (resolved ? resolved->string() : folder) + kNativeSeparator;
}

std::string detectFromGameKeys(SettingsStore& settings, const DetectionPlaces& places) {
    for (std::string_view key : kGameKeys) {
        std::optional<std::string> value;
        try {
            value = settings.readString(key, "Path");
        } catch (const SettingsError&) {
            continue; // a value that is not a string names no folder
        }
        if (value) {
            if (auto folder = validInstallationFolder(*value, places); !folder.empty()) {
                return folder;
            }
        }
    }
    return {};
}

std::string detectFromRegistry(const DetectionPlaces& places) {
    for (std::string_view key : kGameKeys) {
        const auto value = readSystemRegistry(RegistryHive::Machine, places.registryBranch + std::string(key), "Path");
        if (value) {
            if (auto folder = validInstallationFolder(*value, places); !folder.empty()) {
                return folder;
            }
        }
    }
    return {};
}

std::string detectFromWine(const DetectionPlaces& places) {
    if (places.winePrefix.empty()) {
        return {}; // no prefix: nothing to read, not a file in the working folder
    }
    const std::string registry = readText(places.winePrefix / "system.reg");
    if (registry.empty()) {
        return {};
    }
    for (std::string_view key : kWineKeys) {
        const auto value = readWineRegistryString(registry, key, "Path");
        if (value && value->size() >= 2 && (*value)[1] == ':') {
            if (auto folder = validInstallationFolder(*value, places); !folder.empty()) {
                return folder;
            }
        }
    }
    return {};
}

std::string detectFromSteam(const DetectionPlaces& places) {
    std::vector<std::filesystem::path> steams;
    if (!places.home.empty()) {
        steams.push_back(places.home / ".steam" / "steam");
    }
    const std::string steamKey = places.registryBranch + "\\Software\\Valve\\Steam";
    if (auto registered = readSystemRegistry(RegistryHive::User, steamKey, "SteamPath"); registered) {
        steams.emplace_back(*registered);
    }
    std::vector<std::filesystem::path> libraries;
    for (const auto& steam : steams) {
        libraries.push_back(steam);
        for (const auto& path : steamLibraryPaths(readText(steam / "steamapps" / "libraryfolders.vdf"))) {
            libraries.emplace_back(path);
        }
    }
    for (const auto& folder : steamGameFolders(libraries)) {
        if (auto found = validInstallationFolder(folder.string(), places); !found.empty()) {
            return found;
        }
    }
    return {};
}

std::string detectInstallation(SettingsStore& settings, const DetectionPlaces& places) {
    if (auto folder = detectFromGameKeys(settings, places); !folder.empty()) {
        return folder;
    }
    if (auto folder = detectFromRegistry(places); !folder.empty()) {
        return folder;
    }
    if (auto folder = detectFromWine(places); !folder.empty()) {
        return folder;
    }
    return detectFromSteam(places);
}

} // namespace korvane
