// The installation a headless run works on: its root as the windows hold it, and operands naming files in
// it either as game paths or as file system paths.
#pragma once

#include "platform/AppState.h"
#include "platform/GameFolders.h"
#include "settings/MapInstallation.h"

#include <string>
#include <vector>

namespace korvane::cli {

struct Console;

// "--root DIR" as InstallRoot: absolute, ending in the separator whether or not DIR did. Throws UsageError
// when DIR is not a valid installation (no Bin\SeriousSam.exe in it), saying what to give instead when
// DIR is a mod's folder.
std::string installRootFrom(const std::string& dir);

// The installation of a run given no --root: the one the first map named by a file system path lies in (with
// its mod when the map lies in a mod's folder), else the configured one. Throws UsageError when there is
// neither.
MapInstallation installationOfMaps(const std::vector<std::string>& maps);

// True when the path's text begins with the root's, as the windows' dialogs tell a file inside the installation.
bool liesUnderRoot(const std::string& path, const std::string& root);

// "--mod NAME": the mod's folder in the installation; throws UsageError when it has no such mod.
std::string modFolderFrom(const std::string& installRoot, const std::string& modName);

// An operand as the full path a file dialog would return: a file system path (absolute, or relative to the
// current folder) is taken when it names a file inside the root; otherwise the operand is a game path with
// '\' or '/' separators, relative to the root. The windows' checks then apply to the result unchanged.
std::string chosenPathOf(const std::string& operand, const std::string& installRoot);

// The operand's name relative to the root, in the game's '\' form.
std::string gameNameOf(const std::string& operand, const std::string& installRoot);

// The same with a mod active: a game path names the mod's file when the mod has it, and a file in the
// mod's folder is named relative to that folder, as the game names it with the mod.
std::string chosenPathOf(const std::string& operand, const GameFolders& folders);
std::string gameNameOf(const std::string& operand, const GameFolders& folders);

// Loads StandardFiles and StandardGroList from the cache files: those under the root, or the two files in
// cacheFolder when one is given. False (with the start-up check's message written) when either is missing.
bool loadStandardLists(AppState& state, const std::string& cacheFolder, Console& console);

} // namespace korvane::cli
