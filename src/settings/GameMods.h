// The mods of an installation: folders under "Mods\", each run by the game with its own files and archives
// before the installation's.
#pragma once

#include "platform/NameList.h"

#include <optional>
#include <string>
#include <vector>

namespace korvane {

class ProgressSink;
class TZipEngine;

// Step 1's choice for no mod.
inline const char* const kNoMod = "(нет)";

// The folder names under the installation's Mods folder, in the platform's order ignoring letter case.
std::vector<std::string> installedMods(const std::string& installRoot);

// The mod's folder as spelled on disk (the name matched ignoring letter case), native and ending in the
// separator; none when the installation has no such mod.
std::optional<std::string> modFolderOf(const std::string& installRoot, const std::string& modName);

// The mod's name when the folder is a mod's own (it lies in a "Mods" folder of a valid installation).
std::optional<std::string> modOfFolder(const std::string& folder);

// The archive named after a map ("Levels\Castle.wld" gives "Castle.gro"), where a mod's map is packed by default.
std::string archiveNamedAfter(std::string map);

// The archive names in the mod's folder that are the map maker's own rather than the mod's: each named after
// one of the maps ("<map>.gro", where an earlier pack went by default) and the destination when it lies there.
std::vector<std::string> ownArchives(const std::vector<std::string>& maps, const std::string& destination,
                                     const std::string& modFolder);

// The standard list with the members of the mod's archives (every .gro directly in its folder, as the game
// loads them with the mod, but those named in leaveOut, ignoring letter case) added after it, duplicates
// skipped. Engine errors pass on to the caller.
NameList withModArchives(const NameList& standardFiles, const std::string& modFolder, TZipEngine& archiver,
                         ProgressSink& progress, const std::vector<std::string>& leaveOut = {});

} // namespace korvane
