// The mods of an installation: which there are, where each lies, and its archives as standard content.
#include "settings/GameMods.h"
#include "platform/GamePath.h"
#include "settings/MapInstallation.h"

#include "ListingFixture.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

using Names = std::vector<std::string>;

class GameModsTest : public ::testing::Test {
protected:
    testing::TempDir install;
    std::string root = install.root();

    void SetUp() override { install.write("Bin/SeriousSam.exe", "MZ"); }
};

TEST_F(GameModsTest, ModsAreTheFoldersUnderModsFoundIgnoringLetterCase) {
    EXPECT_EQ(installedMods(root), Names{});
    install.write("MODS/zeta/ModName.txt", "");
    install.write("MODS/Alpha/ModName.txt", "");
    install.write("MODS/readme.txt", "");
    EXPECT_EQ(installedMods(root), (Names{"Alpha", "zeta"}));

    EXPECT_EQ(modFolderOf(root, "ALPHA"), root + "MODS/Alpha/");
    for (const char* name : {"Beta", "", "..", "Alpha/../zeta", "readme.txt"}) {
        EXPECT_EQ(modFolderOf(root, name), std::nullopt) << name;
    }
    // A mod's folder is told apart from an installation's, so that the user can be told what to give.
    EXPECT_EQ(modOfFolder(root + "MODS/Alpha/"), "Alpha");
    EXPECT_EQ(modOfFolder(root + "MODS/Alpha"), "Alpha");
    EXPECT_EQ(modOfFolder(root), std::nullopt);
    EXPECT_EQ(modOfFolder(install.write("Elsewhere/Mods/Alpha/x", "").parent_path().string()), std::nullopt);
}

TEST_F(GameModsTest, TheModsArchivesJoinTheStandardList) {
    testing::makeArchives({
        {install.path() / "Mods/M/M.gro", {"Textures/Crate.tex", "Textures/WALL.tex"}},
        {install.path() / "Mods/M/Extra.GRO", {"Sounds/Hum.wav"}},
        {install.path() / "Mods/M/Levels/Not.gro", {"Never.tex"}},
    });
    NameList standard;
    standard.append("Textures\\Wall.tex");
    TZipEngine archiver;
    testing::RecordingRun progress;
    const NameList joined = withModArchives(standard, root + "Mods/M/", archiver, progress);
    // Each archive directly in the mod's folder, as the game loads them; names already there stay once.
    EXPECT_EQ(joined.names(), (Names{"Textures\\Wall.tex", "Sounds\\Hum.wav", "Textures\\Crate.tex"}));
    EXPECT_EQ(standard.size(), 1);

    install.write("Mods/M/Broken.gro", "PK but not really");
    EXPECT_THROW(withModArchives(standard, root + "Mods/M/", archiver, progress), std::exception);
}

TEST_F(GameModsTest, AMapFindsItsInstallationOrItsModByWalkingUp) {
    // The marker in any letter case, as a game folder copied from a Windows disk may spell it.
    testing::TempDir other;
    other.write("Games/SS/bin/seriousSAM.EXE", "MZ");
    auto found = installationOfMap(other.write("Games/SS/Levels/Deep/Castle.wld", "").string());
    ASSERT_TRUE(found);
    EXPECT_TRUE(sameFolder(found->installRoot, other.root() + "Games/SS"));
    EXPECT_EQ(found->installRoot.back(), kNativeSeparator);
    EXPECT_EQ(found->modName, "");
    EXPECT_EQ(found->mapPath.rfind(found->installRoot, 0), 0u) << found->mapPath;

    found = installationOfMap(install.write("Mods/Alpha/Levels/Mine.wld", "").string());
    ASSERT_TRUE(found);
    EXPECT_TRUE(sameFolder(found->installRoot, root));
    EXPECT_EQ(found->modName, "Alpha");
    EXPECT_TRUE(sameFolder(found->modFolder, root + "Mods/Alpha"));
    EXPECT_FALSE(sameFolder(found->modFolder, root));

    // A folder merely named Mods outside an installation holds no mod.
    EXPECT_FALSE(installationOfMap(other.write("Loose/Mods/Alpha/Levels/Mine.wld", "").string()).has_value());
}

} // namespace
} // namespace korvane
