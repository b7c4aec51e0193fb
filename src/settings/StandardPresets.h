// The built-in lists of standard archives, one per supported game version, in the order they are listed.
#pragma once

#include <string>
#include <vector>

namespace korvane {

enum class GamePreset {
    SecondEncounter107, // "The Second Encounter v1.07"
    FirstEncounter105,  // "The First Encounter v1.05"
};

const std::vector<std::string>& presetArchives(GamePreset preset);

} // namespace korvane
