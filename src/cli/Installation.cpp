#include "cli/Installation.h"

#include "cli/CommandLine.h"
#include "cli/Console.h"
#include "platform/FileError.h"
#include "platform/FileFacts.h"
#include "platform/FileHandle.h"
#include "platform/GamePath.h"
#include "platform/SettingsStore.h"
#include "platform/Terminal.h"
#include "scan/ChosenFiles.h"
#include "settings/GameMods.h"
#include "settings/InstallFolder.h"
#include "settings/SettingsFiles.h"
#include "settings/SettingsMessages.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace korvane::cli {

namespace {

std::string gameToNative(std::string name) {
    for (char& c : name) {
        if (c == '\\') {
            c = kNativeSeparator;
        }
    }
    return name;
}

std::vector<std::string> readCacheLines(const std::string& path) {
    const auto bytes = readWholeFile(path);
    if (!bytes) {
        throw FileError::cannotOpen(path);
    }
    return decodeCacheLines(*bytes);
}

// The two cache files kept in a folder of their own, for a machine without the standard archives.
bool loadCacheFolder(const std::string& folder, AppState& state) {
    const std::string files = folder + std::string(kFilesCacheName);
    const std::string gros = folder + std::string(kGroCacheName);
    if (!fileExists(files) || !fileExists(gros)) {
        return false;
    }
    state.StandardFiles.assign(readCacheLines(files), true);
    state.StandardGroList.assign(readCacheLines(gros), false);
    return true;
}

} // namespace

MapInstallation installationOfMaps(const std::vector<std::string>& maps) {
    std::string outside;
    for (const std::string& map : maps) {
        std::error_code error;
        if (fs::is_regular_file(map, error)) {
            if (auto found = installationOfMap(map)) {
                return *found;
            }
            outside = map;
            break;
        }
    }
    AppState configured;
    ReadInstallRoot(configured, *machineSettings());
    if (configured.InstallRoot.empty() && outside.empty()) {
        throw UsageError("No installation is configured: give the game's folder with --root DIR.");
    }
    if (configured.InstallRoot.empty()) {
        throw UsageError(outside + " is not inside a Serious Sam installation (no folder above it holds " +
                         "Bin\\SeriousSam.exe), and none is configured: give the game's folder with --root DIR.");
    }
    return {installRootFrom(configured.InstallRoot), {}, {}, {}};
}

bool liesUnderRoot(const std::string& path, const std::string& root) {
    return path.compare(0, root.size(), root) == 0;
}

std::string installRootFrom(const std::string& dir) {
    const std::string root = withTrailingSeparator(settledPath(dir).string());
    if (!isValidInstallation(root)) {
        if (const auto mod = modOfFolder(root)) {
            throw UsageError(dir + " is the folder of the mod " + *mod +
                             ": give the game's folder as --root and add --mod " + *mod + ".");
        }
        throw UsageError(dir + ": " + kSelectInstallationFolder);
    }
    return root;
}

std::string modFolderFrom(const std::string& installRoot, const std::string& modName) {
    const auto folder = modFolderOf(installRoot, modName);
    if (!folder) {
        throw UsageError("There is no mod " + modName + " in " + installRoot + "Mods" + kNativeSeparator + ".");
    }
    return *folder;
}

std::string chosenPathOf(const std::string& operand, const std::string& installRoot) {
    std::error_code error;
    const fs::path asPath(operand);
    const bool fileSystemPath = asPath.is_absolute() || fs::is_regular_file(asPath, error);
    const std::string asGamePath = installRoot + gameToNative(operand);
    if (fileSystemPath) {
        const std::string full = settledPath(asPath).string();
        // A file outside the root is still handed on, so that it meets the windows' own refusal; unless the
        // operand also reads as a game path that names a file.
        if (liesUnderRoot(full, installRoot) || !fileExists(asGamePath)) {
            return full;
        }
    }
    return asGamePath;
}

std::string gameNameOf(const std::string& operand, const std::string& installRoot) {
    return relativeNameOf(chosenPathOf(operand, installRoot), installRoot);
}

std::string chosenPathOf(const std::string& operand, const GameFolders& folders) {
    if (!folders.modFolder().empty()) {
        const std::string inMod = chosenPathOf(operand, folders.modFolder());
        if (fileExists(inMod)) {
            return inMod;
        }
    }
    return chosenPathOf(operand, folders.installRoot());
}

std::string gameNameOf(const std::string& operand, const GameFolders& folders) {
    const std::string chosen = chosenPathOf(operand, folders);
    return relativeNameOf(chosen, folders.rootFor(chosen));
}

bool loadStandardLists(AppState& state, const std::string& cacheFolder, Console& console) {
    bool loaded = false;
    if (cacheFolder.empty()) {
        loaded = LoadStandardLists(state);
    } else {
        loaded = loadCacheFolder(withTrailingSeparator(settledPath(cacheFolder).string()), state);
    }
    if (!loaded) {
        std::string root = state.InstallRoot;
        if (root.size() > 1 && root.back() == kNativeSeparator) {
            root.pop_back();
        }
        console.err << kStandardInfoNotFound << "\nBuild it with: korvane standard build --root " << shellWord(root)
                    << " --preset se107\n";
    }
    return loaded;
}

} // namespace korvane::cli
