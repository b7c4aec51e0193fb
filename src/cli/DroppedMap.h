// A map dropped on the program (its one argument): packed the easy way, with nothing else to answer.
#pragma once

#include "cli/Command.h"

#include <string>
#include <vector>

namespace korvane::cli {

// True when the words are one existing .wld file and no command: a map dropped on the program's icon.
bool isDroppedMap(const std::vector<std::string>& words);

// Packs the map into its installation's folder (or its mod's), named after it, as "korvane pack MAP" does,
// after building the installation's standard file list for the edition it shows when there is none.
const Command& droppedMapCommand();

} // namespace korvane::cli
