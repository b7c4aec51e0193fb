// The setup wizard's page order, its checks before page 3, the list it builds and keeps, and the save.
#include "settings/SetupWizardFlow.h"

#include "platform/FileError.h"
#include "settings/ListingFixture.h"
#include "settings/MemorySettingsStore.h"
#include "settings/SettingsFiles.h"
#include "settings/SettingsMessages.h"
#include "settings/StandardPresets.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

using Names = std::vector<std::string>;

class SetupWizardFlowTest : public ::testing::Test {
protected:
    testing::TempDir install;
    std::string root = install.root();
    AppState state;
    testing::MemorySettingsStore settings;
    SetupWizardFlow flow{state, settings, DetectionPlaces{}};
    NameList items;

    void SetUp() override { install.write("Bin/SeriousSam.exe", "MZ"); }
    std::string pageTwoMessage(const WizardChoice& choice) {
        const WizardStep step = flow.next(2, choice);
        return step.page == 2 && step.message != nullptr ? step.message : "";
    }
};

TEST_F(SetupWizardFlowTest, PageTwoChecksTheFolderTheVersionAndTheTypedArchives) {
    install.write("Base.gro", "");
    EXPECT_EQ(pageTwoMessage({install.path().string(), 0, ""}), kSelectInstallationFolder);
    EXPECT_EQ(pageTwoMessage({root, -1, ""}), kSelectInstallationType);
    EXPECT_EQ(pageTwoMessage({root, 2, "Gone.gro\n\nBin\n"}), kNoValidGro);
    EXPECT_EQ(state.InstallRoot, "");

    EXPECT_EQ(pageTwoMessage({root, 2, "Gone.gro\nBase.gro"}), "");
    EXPECT_EQ(state.InstallRoot, root);
    for (const int preset : {0, 1}) { // a preset needs no typed list
        state.InstallRoot.clear();
        EXPECT_EQ(flow.next(2, {root, preset, ""}).page, 3);
        EXPECT_EQ(state.InstallRoot, root);
    }
}

TEST_F(SetupWizardFlowTest, PagesFollowInOrderAndOnlyBackFromPageFourKeepsTheList) {
    EXPECT_EQ(flow.next(1, {}).page, 2);
    EXPECT_EQ(flow.next(3, {}).page, 4);
    EXPECT_EQ(flow.back(3), 2);
    EXPECT_TRUE(flow.rebuildsPageThree());
    EXPECT_EQ(flow.back(4), 3);
    EXPECT_FALSE(flow.rebuildsPageThree());
    // Any other way to page 3 rebuilds the list.
    EXPECT_TRUE(flow.rebuildsPageThree());
}

TEST_F(SetupWizardFlowTest, TheFolderIsLookedForOnlyWhenNoneIsSet) {
    const testing::TempDir home;
    const std::string game = ".steam/steam/steamapps/common/Serious Sam Classic The Second Encounter/";
    home.write(game + "Bin/SeriousSam.exe", "MZ");
    EXPECT_EQ(flow.rootToShow(), "");
    SetupWizardFlow atHome(state, settings, {home.path(), home.path() / ".wine", {}});
    EXPECT_EQ(atHome.rootToShow(), (home.path() / game).make_preferred().string());
    state.InstallRoot = root;
    EXPECT_EQ(atHome.rootToShow(), root);
}

TEST_F(SetupWizardFlowTest, SaveStoresTheCheckedItemsTheChosenArchivesAndThenTheRoot) {
    state.InstallRoot = root;
    items.assign({"A.tex", "B.tex", "C.tex"}, true);
    items.setChecked(1, false);
    EXPECT_FALSE(flow.closingShowsMainWindow());
    flow.save({root, 2, "Base.gro\n\nGone.gro\n"}, items);
    EXPECT_EQ(state.StandardFiles.names(), (Names{"A.tex", "C.tex"}));
    EXPECT_EQ(state.StandardFiles.checkedCount(), 2);
    EXPECT_EQ(decodeCacheLines(testing::readFile(install.path() / "Temp/KVN_gros.dat")),
              (Names{"Base.gro", "", "Gone.gro"}));
    EXPECT_EQ((settings.values[{"\\Software\\Korvane", "SSPath15"}]), root);
    EXPECT_TRUE(flow.closingShowsMainWindow());
    flow.save({root, 0, "typed"}, items);
    EXPECT_EQ(state.StandardGroList.names(), presetArchives(GamePreset::SecondEncounter107));
    flow.save({root, 1, "typed"}, items);
    EXPECT_EQ(state.StandardGroList.names(), presetArchives(GamePreset::FirstEncounter105));
}

TEST_F(SetupWizardFlowTest, AFailedWriteLeavesTheSettingsUnsaved) {
    state.InstallRoot = root;
    settings.failWrites = true;
    EXPECT_THROW(flow.save({root, 0, ""}, items), SettingsError);
    EXPECT_FALSE(flow.closingShowsMainWindow());
    // The lists are stored first: when they cannot be, neither is the root.
    settings.failWrites = false;
    std::filesystem::remove_all(install.path() / "Temp");
    install.write("Temp", "a file where the cache folder should be");
    EXPECT_THROW(flow.save({root, 0, ""}, items), FileError);
    EXPECT_EQ(settings.writes, 0);
    EXPECT_FALSE(flow.SettingsSaved);
}

} // namespace
} // namespace korvane
