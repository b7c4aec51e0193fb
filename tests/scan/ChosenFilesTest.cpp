#include "scan/ChosenFiles.h"

#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

using Names = std::vector<std::string>;

class ChosenFilesTest : public ::testing::Test {
  protected:
    testing::TempDir install;
    std::string root = install.root();
    NameList list;
    testing::ScriptedDialogs dialogs;
};

TEST_F(ChosenFilesTest, RelativeNamesArePositionalWithGameSeparators) {
    EXPECT_EQ(relativeChosenName("/games/ss/Levels/A.wld", "/games/ss/"), "Levels\\A.wld");
    // The cut characters are not compared with the root.
    EXPECT_EQ(relativeChosenName("/GAMES/SS/Levels/A.wld", "/games/ss/"), "Levels\\A.wld");
    EXPECT_EQ(relativeChosenName("/x", "/games/ss/"), "");
}

TEST_F(ChosenFilesTest, MapsAreCheckedOneByOneAndTheRestStillAdded) {
    install.write("Levels/One.wld", "");
    install.write("Levels/Two.txt", "");
    install.write("Levels/THREE.WLD", "");
    addChosenMaps({root + "Levels/One.wld", root + "Levels/Two.txt", root + "Levels/THREE.WLD"}, root, list, dialogs);
    EXPECT_EQ(list.names(), (Names{"Levels\\One.wld", "Levels\\THREE.WLD"}));
    EXPECT_EQ(dialogs.shown, Names{"Please choose .wld files only."});
    EXPECT_EQ(list.checkedCount(), 2);
}

TEST_F(ChosenFilesTest, MapsOutsideTheInstallationOrListedAlreadyAreRefused) {
    install.write("Levels/One.wld", "");
    testing::TempDir elsewhere;
    elsewhere.write("x.wld", "");
    list.append("Levels\\One.wld");
    addChosenMaps({root + "levels/one.WLD", elsewhere.path().string() + "/x.wld", root + "Levels/None.wld"}, root, list,
                  dialogs);
    EXPECT_EQ(list.names(), Names{"Levels\\One.wld"});
    EXPECT_EQ(dialogs.shown, (Names{"levels\\one.WLD is already in the list.", kOutsideInstallationMessage,
                                    kOutsideInstallationMessage}));
    EXPECT_EQ(std::string(kOutsideInstallationMessage),
              "The files must reside inside the SS installation directory.\nIf you are sure that it's there, then "
              "please check that the\npath is correctly defined in the Options menu.");
}

TEST_F(ChosenFilesTest, AChosenPathCountsForTheFileWithTheSameTailUnderTheRoot) {
    testing::TempDir twin;
    // Same length as the root, so the tail lines up.
    install.write("Levels/Same.wld", "");
    const std::string other = twin.root();
    ASSERT_EQ(other.size(), root.size());
    addChosenMaps({other + "Levels/Same.wld"}, root, list, dialogs);
    EXPECT_EQ(list.names(), Names{"Levels\\Same.wld"});
}

TEST_F(ChosenFilesTest, FilesOfAnyKindAreAddedUnscanned) {
    install.write("Textures/A.tex", "");
    install.write("Sounds/b.wav", "");
    list.append("Sounds\\B.WAV", false);
    addChosenFiles({root + "Textures/A.tex", root + "Sounds/b.wav", root + "Textures/none.tex", root + "Textures"},
                   root, list, dialogs);
    EXPECT_EQ(list.names(), (Names{"Sounds\\B.WAV", "Textures\\A.tex"}));
    EXPECT_TRUE(list.checked(1));
    EXPECT_EQ(dialogs.shown, (Names{"Sounds\\b.wav is already in the list.", kOutsideInstallationMessage,
                                    kOutsideInstallationMessage}));
}

TEST_F(ChosenFilesTest, ClearingAMapsMarkRemovesIt) {
    list.assign({"a.wld", "b.wld", "c.wld"}, true);
    list.setChecked(1, false);
    removeUncheckedMaps(list);
    EXPECT_EQ(list.names(), (Names{"a.wld", "c.wld"}));
    removeUncheckedMaps(list);
    EXPECT_EQ(list.size(), 2);
}

} // namespace
} // namespace korvane
