// Libraries as the game names them: a class file's or a shader's "Package:" line names a library, and the
// game loads it from the executable's folder; a class's takes the edition's suffix read from "ModExt.txt".
#pragma once

#include "platform/GameFolders.h"

#include <string>
#include <string_view>

namespace korvane {

// The suffix as the game reads "ModExt.txt" at start-up: the active mod's file first, else the game's; the
// whole file up to a NUL byte, carriage returns dropped. Empty when neither folder has the file.
std::string readModExt(const GameFolders& folders);

// "Bin\" + the package's file name + suffix + its extension: the folder the package line writes is dropped
// (a shader's library takes no suffix).
std::string entityLibraryName(std::string_view packageName, std::string_view modExt);

} // namespace korvane
