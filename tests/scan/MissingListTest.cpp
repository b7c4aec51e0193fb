#include "scan/MissingList.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

TEST(MissingList, LinesAreUniqueIgnoringCaseInTheOrderFirstSeen) {
    MissingList missing;
    missing.add("Textures\\Wall.tex");
    missing.add("b.wav");
    missing.add("TEXTURES\\WALL.TEX");
    missing.add("Текстуры\\Стена.tex");
    missing.add("ТЕКСТУРЫ\\СТЕНА.TEX");
    EXPECT_EQ(missing.names(), (std::vector<std::string>{"Textures\\Wall.tex", "b.wav", "Текстуры\\Стена.tex"}));
    EXPECT_TRUE(missing.contains("textures\\wall.tex"));
    EXPECT_FALSE(missing.contains("Textures/Wall.tex"));
    // A reason follows its name in the dialog's lines; a second report of the name keeps the first.
    missing.add("a\\..\\b.wav", "why");
    missing.add("A\\..\\B.WAV", "another");
    EXPECT_EQ(missing.lines().back(), "a\\..\\b.wav  (why)");
    EXPECT_EQ(missing.lines().front(), "Textures\\Wall.tex");
    missing.clear();
    EXPECT_TRUE(missing.empty());
    EXPECT_FALSE(missing.contains("b.wav"));
}

} // namespace
} // namespace korvane
