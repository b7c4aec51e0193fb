#include "settings/StandardPresets.h"
#include "settings/TextLines.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

using Lines = std::vector<std::string>;

TEST(StandardPresetsTest, NamesAndOrderAreExact) {
    EXPECT_EQ(presetArchives(GamePreset::SecondEncounter107),
              (Lines{"SE1_00.gro", "SE1_00_Extra.gro", "SE1_00_ExtraTools.gro", "SE1_00_Music.gro", "1_04_patch.gro",
                     "1_07_tools.gro"}));
    EXPECT_EQ(presetArchives(GamePreset::FirstEncounter105),
              (Lines{"1_00.gro", "1_00_music.gro", "1_00_ExtraTools.gro", "1_04_patch.gro"}));
}

TEST(TextLinesTest, EmptyLinesCountButNotATrailingOne) {
    EXPECT_EQ(textLines(""), Lines{});
    EXPECT_EQ(textLines("a"), Lines{"a"});
    EXPECT_EQ(textLines("a\n"), Lines{"a"});
    EXPECT_EQ(textLines("a\n\nb"), (Lines{"a", "", "b"}));
    EXPECT_EQ(textLines("\n"), Lines{""});
    EXPECT_EQ(textLines(" a \n\n"), (Lines{" a ", ""}));
    EXPECT_EQ(textLines(joinLines({"x", "", "y"})), (Lines{"x", "", "y"}));
}

} // namespace
} // namespace korvane
