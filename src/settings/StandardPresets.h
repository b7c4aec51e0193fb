// The built-in lists of standard archives: one per known edition of the game, in the order they are listed.
#pragma once

#include <string>
#include <vector>

namespace korvane {

enum class GamePreset {
    SecondEncounter107, // "The Second Encounter v1.07"
    FirstEncounter105,  // "The First Encounter v1.05"
    SecondEncounter110, // the 1.07 archives and the 1.10 update's own
    FirstEncounter100c, // the 1.05 patch over the 1.00c release archives
    Revolution,         // Serious Sam Classics: Revolution, both encounters in two archives
};

struct PresetArchive {
    std::string name;
    bool required = true; // an optional archive is listed only where the installation has it
};

struct Edition {
    GamePreset preset;
    std::string title;  // as messages name it
    std::string option; // as `standard build --preset` takes it
    std::vector<PresetArchive> archives;
};

// Every known edition; where two editions fit an installation, the one with more required archives wins,
// then the one listed first.
const std::vector<Edition>& knownEditions();
const Edition& editionOf(GamePreset preset);

// Every archive name of the preset, optional ones included.
std::vector<std::string> presetArchives(GamePreset preset);

} // namespace korvane
