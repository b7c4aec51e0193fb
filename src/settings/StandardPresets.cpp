#include "settings/StandardPresets.h"

#include <stdexcept>

namespace korvane {

namespace {

PresetArchive optional(std::string name) {
    return {std::move(name), false};
}

} // namespace

const std::vector<Edition>& knownEditions() {
    // Spelled as the game ships them: "SE1_00_Music" against "1_00_music". The design's two lists stay
    // exact; the later editions add the archives their installations come with.
    static const std::vector<Edition> editions{
        {GamePreset::SecondEncounter110,
         "The Second Encounter v1.10",
         "se110",
         {{"SE1_00.gro"},
          {"SE1_00_Extra.gro"},
          {"SE1_00_ExtraTools.gro"},
          {"SE1_00_Music.gro"},
          {"1_04_patch.gro"},
          {"1_07_tools.gro"},
          {"SE1_10.gro"},
          optional("SE1_00_Levels.gro"),
          optional("SE1_00_Logo.gro")}},
        {GamePreset::SecondEncounter107,
         "The Second Encounter v1.07",
         "se107",
         {{"SE1_00.gro"},
          {"SE1_00_Extra.gro"},
          {"SE1_00_ExtraTools.gro"},
          {"SE1_00_Music.gro"},
          {"1_04_patch.gro"},
          {"1_07_tools.gro"}}},
        {GamePreset::FirstEncounter100c,
         "The First Encounter v1.05 (1.00c)",
         "fe100c",
         {optional("1_00.gro"),
          {"1_00c.gro"},
          optional("1_00_a.gro"),
          optional("1_00c_scripts.gro"),
          optional("1_00c_Logo.gro"),
          {"1_00_music.gro"},
          {"1_00_ExtraTools.gro"},
          {"1_04_patch.gro"}}},
        {GamePreset::FirstEncounter105,
         "The First Encounter v1.05",
         "fe105",
         {{"1_00.gro"}, {"1_00_music.gro"}, {"1_00_ExtraTools.gro"}, {"1_04_patch.gro"}}},
        {GamePreset::Revolution, "Serious Sam Classics: Revolution", "ssr", {{"All_01.gro"}, {"All_02.gro"}}},
    };
    return editions;
}

const Edition& editionOf(GamePreset preset) {
    for (const Edition& edition : knownEditions()) {
        if (edition.preset == preset) {
            return edition;
        }
    }
    throw std::logic_error("edition without a preset");
}

std::vector<std::string> presetArchives(GamePreset preset) {
    std::vector<std::string> names;
    for (const PresetArchive& archive : editionOf(preset).archives) {
        names.push_back(archive.name);
    }
    return names;
}

} // namespace korvane
