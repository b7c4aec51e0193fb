// Entity libraries as the game names them: a class file's "Package:" line names a library, and the game
// loads it from the executable's folder, with the edition's suffix read from "ModExt.txt".
#pragma once

#include "platform/GameFolders.h"

#include <string>
#include <string_view>

namespace korvane {

// The suffix as the game reads "ModExt.txt" at start-up: the active mod's file first, else the game's; the
// whole file up to a NUL byte, carriage returns dropped. Empty when neither folder has the file.
std::string readModExt(const GameFolders& folders);

// "Bin\" + the package's file name + suffix + its extension: the folder the class file writes is dropped.
std::string entityLibraryName(std::string_view packageName, std::string_view modExt);

} // namespace korvane
