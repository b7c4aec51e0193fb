// What the Options dialog's OK, Cancel and close box do to the shared state and the stored settings.
#include "settings/OptionsSession.h"

#include "platform/FileError.h"
#include "settings/MemorySettingsStore.h"
#include "settings/SettingsFiles.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

using Names = std::vector<std::string>;

class OptionsSessionTest : public ::testing::Test {
protected:
    testing::TempDir install, other;
    AppState state;
    testing::MemorySettingsStore settings;
    OptionsSession session{state, settings};
    const Names files{"Textures\\Wall.tex", "Models\\Item.mdl", "Read.txt"};

    void SetUp() override {
        state.InstallRoot = install.root();
        state.StandardGroList.assign({"Base.gro"}, false);
        state.StandardFiles.assign(files, true);
        session.open();
        state.StandardFiles.setChecked(1, false);
    }
    // The lists as they were at opening: the archives unmarked, every file checked.
    void expectOpeningListsBack() {
        session.restore();
        EXPECT_EQ(state.StandardGroList.names(), Names{"Base.gro"});
        EXPECT_EQ(state.StandardGroList.checkedCount(), 0);
        EXPECT_EQ(state.StandardFiles.names(), files);
        EXPECT_EQ(state.StandardFiles.checkedCount(), 3);
    }
    std::string storedRoot() { return settings.values[{"\\Software\\Korvane", "SSPath15"}]; }
};

TEST_F(OptionsSessionTest, HidingGivesBackTheListsAsOpened) {
    state.StandardGroList.assign({"Patch.gro", "Extra.gro"}, true);
    state.StandardFiles.append("Maps\\Own.wld");
    expectOpeningListsBack();
    EXPECT_EQ(settings.writes, 0);
}

TEST_F(OptionsSessionTest, CommitDropsUncheckedFilesAndStoresEverythingUnderTheNewRoot) {
    session.commit(other.root());
    const Names kept{"Textures\\Wall.tex", "Read.txt"};
    EXPECT_EQ(state.InstallRoot, other.root());
    EXPECT_EQ(storedRoot(), other.root());
    EXPECT_EQ(decodeCacheLines(testing::readFile(other.path() / "Temp/KVN_files.dat")), kept);
    // The hiding that follows OK keeps the new lists.
    session.restore();
    EXPECT_EQ(state.StandardFiles.names(), kept);
    EXPECT_EQ(state.StandardFiles.checkedCount(), 2);
}

TEST_F(OptionsSessionTest, AFailedWriteGivesBackTheListsAtOpeningAndTheRootUnlessItWasStored) {
    settings.failWrites = true;
    state.StandardGroList.assign({"Patch.gro"}, false); // as the list editor would
    EXPECT_THROW(session.commit(other.root()), SettingsError);
    EXPECT_EQ(state.InstallRoot, install.root());
    EXPECT_FALSE(std::filesystem::exists(other.path() / "Temp"));
    expectOpeningListsBack();

    settings.failWrites = false;
    session.open();
    state.StandardFiles.setChecked(1, false);
    other.write("Temp", "a file where the cache folder should be");
    EXPECT_THROW(session.commit(other.root()), FileError);
    EXPECT_EQ(state.InstallRoot, other.root());
    EXPECT_EQ(storedRoot(), other.root());
    expectOpeningListsBack();
}

} // namespace
} // namespace korvane
