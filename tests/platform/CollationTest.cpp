#include "platform/Collation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace korvane {
namespace {

TEST(Collation, SortsNamesIgnoringCasePunctuationBeforeDigitsBeforeLetters) {
    std::vector<std::string> names = {"Textures\\B.tex", "Models\\x.mdl", "b.tex", "a.tex"};
    std::sort(names.begin(), names.end(), [](const auto& a, const auto& b) { return collate(a, b) < 0; });
    EXPECT_EQ(names, (std::vector<std::string>{"a.tex", "b.tex", "Models\\x.mdl", "Textures\\B.tex"}));

    EXPECT_LT(collate("\\", "0"), 0);
    EXPECT_LT(collate("9", "a"), 0);
    EXPECT_LT(collate("_", "1"), 0);
    EXPECT_LT(collate("a\\z", "a1"), 0);
    EXPECT_LT(collate("a1", "aa"), 0);
    EXPECT_GT(collate("Z", "a"), 0);
    EXPECT_GT(collate("b", "A"), 0);
}

TEST(Collation, IgnoresLetterCaseOnly) {
    EXPECT_EQ(collate("Textures\\Wall.TEX", "textures\\wall.tex"), 0);
    EXPECT_TRUE(collateEqual("СТЕНА", "стена"));
    EXPECT_NE(collate("a b", "ab"), 0); // spaces count
    EXPECT_NE(collate("a.tex", "atex"), 0);
    EXPECT_NE(collate("e", "é"), 0); // accents count
    EXPECT_LT(collate("а", "б"), 0); // Cyrillic alphabet order
}

TEST(Collation, CaseFoldKeysMatchWholeNamesIgnoringCase) {
    EXPECT_EQ(caseFoldKey("Models\\Foo.TEX"), "models\\foo.tex");
    EXPECT_EQ(caseFoldKey("ТЕКСТУРЫ\\Ёж"), caseFoldKey("текстуры\\ёж"));
    EXPECT_EQ(caseFoldKey("STRASSE"), caseFoldKey("straße"));
    EXPECT_NE(caseFoldKey("a.tex"), caseFoldKey("a.te"));
    // Ill-formed UTF-8 is kept, so different bytes never meet in one key.
    EXPECT_NE(caseFoldKey("\xC0"), caseFoldKey("\xC1"));
    EXPECT_EQ(caseFoldKey("A\xFF"), caseFoldKey("a\xFF"));
}

} // namespace
} // namespace korvane
