// The files a map needs beside its archive, copied under their game paths into a folder of the map maker's
// choosing, so that the folder and the GRO ship together.
#pragma once

#include "platform/GameFolders.h"

#include <string>
#include <vector>

namespace korvane {

struct BesideCopyFailure {
    std::string name;   // the game path
    std::string reason; // why it could not be copied, in plain words
};

// Each name is copied from where the game reads it (the mod's folder first) to folder + its game path,
// replacing a file of that name; the folders on the way are created. Returns what could not be copied.
std::vector<BesideCopyFailure> copyBesideFiles(const GameFolders& folders, const std::vector<std::string>& names,
                                               const std::string& folder);

} // namespace korvane
