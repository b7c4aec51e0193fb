// The installation a map lies in, found from the map's own path: what a map dropped on Korvane is packed
// against.
#pragma once

#include <optional>
#include <string>

namespace korvane {

struct MapInstallation {
    std::string installRoot; // native and absolute, ending in the separator
    std::string modName;     // the mod whose folder holds the map, as spelled on disk; empty for none
    std::string modFolder;   // that folder, ending in the separator; empty for none
    std::string mapPath;     // the map's full path, beginning with installRoot's own spelling
};

// Walks up from the map's folder to the first folder that is a valid installation (Bin\SeriousSam.exe in it,
// letter case ignored) or a mod's folder inside one (<root>\Mods\<mod>\). Nothing when no folder above the
// map is either.
std::optional<MapInstallation> installationOfMap(const std::string& mapPath);

// True when the path names an existing file whose extension is ".wld" in any letter case.
bool isMapFile(const std::string& path);

// True when both name the same folder on disk, however each is spelled.
bool sameFolder(const std::string& a, const std::string& b);

} // namespace korvane
