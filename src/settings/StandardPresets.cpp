#include "settings/StandardPresets.h"

namespace korvane {

const std::vector<std::string>& presetArchives(GamePreset preset) {
    // Spelled as the game ships them: "SE1_00_Music" against "1_00_music".
    static const std::vector<std::string> secondEncounter{
        "SE1_00.gro",       "SE1_00_Extra.gro", "SE1_00_ExtraTools.gro",
        "SE1_00_Music.gro", "1_04_patch.gro",   "1_07_tools.gro",
    };
    static const std::vector<std::string> firstEncounter{
        "1_00.gro",
        "1_00_music.gro",
        "1_00_ExtraTools.gro",
        "1_04_patch.gro",
    };
    return preset == GamePreset::SecondEncounter107 ? secondEncounter : firstEncounter;
}

} // namespace korvane
