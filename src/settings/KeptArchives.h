// The archives a packing run must never replace: the game's standard archives and the mod's own. Replacing
// one would take the game's or the mod's stock files away.
#pragma once

#include "platform/AppState.h"
#include "platform/GameFolders.h"

#include <string>
#include <vector>

namespace korvane {

// Full native paths: every archive of the standard list and of the edition detected in the installation,
// and every archive directly in the mod's folder except the map maker's earlier pack of one of the maps
// (named after the map and holding it), which stays replaceable.
std::vector<std::string> archivesNeverReplaced(const AppState& state, const GameFolders& folders,
                                               const std::vector<std::string>& maps);

} // namespace korvane
