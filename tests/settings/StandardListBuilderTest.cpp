#include "settings/StandardListBuilder.h"

#include "settings/InstallFolder.h"
#include "settings/ListingFixture.h"
#include "support/LibraryText.h"

#include <gtest/gtest.h>

#include <memory>

namespace korvane {
namespace {

using testing::makeArchives;
using testing::RecordingRun;
using testing::TempDir;
using Names = std::vector<std::string>;

class StandardListBuilderTest : public ::testing::Test {
protected:
    // One installation with its archives for the whole suite.
    static void SetUpTestSuite() {
        shared = std::make_unique<TempDir>();
        shared->write("Bin/SeriousSam.exe", "MZ");
        const auto& folder = shared->path();
        makeArchives({{folder / "Base.gro", {"Textures/Wall.tex", "Models/Item.mdl", "Read.txt"}},
                      {folder / "Patch.gro", {"textures/WALL.TEX", "Sounds/Step.wav"}},
                      {folder / "Extra.GRO", {"Read.txt", "New/One.wav"}}});
    }
    static void TearDownTestSuite() { shared.reset(); }
    static std::unique_ptr<TempDir> shared;

    TempDir& install = *shared;
    std::string root = install.root();
    TZipEngine archiver{"Archiver"};
    RecordingRun recorder;
    ListingRun run{archiver, recorder, recorder, recorder};
    NameList target;
};

std::unique_ptr<TempDir> StandardListBuilderTest::shared;

TEST_F(StandardListBuilderTest, FolderEntriesOfARealArchiveAreNotListed) {
    const std::filesystem::path sample = KORVANE_SAMPLES_DIR "/ParametricParticles.gro";
    if (!std::filesystem::exists(sample)) {
        GTEST_SKIP() << "no sample archive";
    }
    ListGroMembers(archiver, recorder, sample.string(), target, {true, true});
    EXPECT_EQ(target.size(), 20);
    EXPECT_TRUE(target.contains("Classes\\ParametricParticles.ecl"));
    EXPECT_TRUE(target.contains("Models\\Editor\\SpawnShapeBase.mdl"));
    for (const auto& name : target.names()) {
        EXPECT_NE(name.back(), '\\') << name;
    }
}

TEST_F(StandardListBuilderTest, MembersUseBackslashesAndDuplicatesIgnoringCaseKeepTheFirstSpelling) {
    ListGroMembers(archiver, recorder, (install.path() / "Base.gro").string(), target, {true, true});
    EXPECT_EQ(target.checkedCount(), 3);
    EXPECT_EQ(recorder.currentMax, 3);
    EXPECT_FALSE(archiver.Active());
    ListGroMembers(archiver, recorder, (install.path() / "Patch.gro").string(), target, {true, true});
    EXPECT_EQ(target.names(), (Names{"Textures\\Wall.tex", "Models\\Item.mdl", "Read.txt", "Sounds\\Step.wav"}));

    ListGroMembers(archiver, recorder, (install.path() / "Patch.gro").string(), target, {false, true});
    EXPECT_EQ(target.size(), 6);
    EXPECT_EQ(target.name(4), "textures\\WALL.TEX");
}

TEST_F(StandardListBuilderTest, WizardBuildSkipsDuplicatesAndReportsMissingArchivesOnceAtTheEnd) {
    target.append("Stale.txt");
    recorder.watched = &target;
    EXPECT_EQ(
        BuildStandardFiles(run, root, {"Base.gro", "Gone.gro", "patch.GRO", "Also.gro"}, target, BuildVariant::Wizard),
        StandardListOutcome::ArchivesMissing);
    EXPECT_EQ(target.names(), (Names{"Textures\\Wall.tex", "Models\\Item.mdl", "Read.txt", "Sounds\\Step.wav"}));
    EXPECT_EQ(recorder.log, (Names{"show", "disable", "enable", "hide", "message: " + std::string(kSomeGrosMissing)}));
    EXPECT_EQ(recorder.overallTexts, (Names{"", "1 out of 4", "2 out of 4", "3 out of 4", "4 out of 4"}));
    EXPECT_EQ(recorder.overallMax, 4);
    EXPECT_FALSE(target.updating());
    EXPECT_EQ(recorder.watchedUpdating, (std::vector<bool>{true, true}));
}

TEST_F(StandardListBuilderTest, EditorRebuildKeepsDuplicatesAndReportsEachMissingArchiveAtOnce) {
    NameList archives;
    archives.append("Old.gro");
    EXPECT_EQ(BuildStandardFiles(run, root, {"Base.gro", "", "Gone.gro", "Patch.gro", "Base.gro"}, target,
                                 BuildVariant::Editor, &archives),
              StandardListOutcome::ArchivesMissing);
    EXPECT_EQ(archives.names(), (Names{"Base.gro", "Patch.gro", "Base.gro"}));
    EXPECT_EQ(target.size(), 3 + 2 + 3);
    EXPECT_EQ(target.name(3), "textures\\WALL.TEX");
    EXPECT_EQ(recorder.log, (Names{"show", "disable", "message: File  was not found.",
                                   "message: File Gone.gro was not found.", "enable", "hide"}));
}

TEST_F(StandardListBuilderTest, UnreadableArchiveStopsTheBuildAfterRestoringTheWindows) {
    install.write("Broken.gro", "this is not a zip archive at all");
    recorder.watched = &target;
    EXPECT_EQ(BuildStandardFiles(run, root, {"Base.gro", "Broken.gro", "Patch.gro"}, target, BuildVariant::Wizard),
              StandardListOutcome::Unreadable);
    EXPECT_EQ(target.size(), 3);
    EXPECT_FALSE(target.updating());
    ASSERT_EQ(recorder.log.size(), 5u);
    EXPECT_EQ(recorder.log[2], "enable");
    EXPECT_EQ(recorder.log[3], "hide");
    EXPECT_EQ(recorder.log[4], "message: Archiver: Archive is damaged. Open failed - Native error: 00048");
}

// A vanished working folder, a folder under an archive's name and an archive that is none reach the user in
// the program's own words.
TEST_F(StandardListBuilderTest, NoLibraryTextReachesTheUser) {
    std::filesystem::create_directories(install.path() / "Folder.gro" / "Inside");
    install.write("Broken.gro", "this is not a zip archive at all");
    const testing::WorkingFolderGone gone(install.path() / "cwd");
    for (const BuildVariant variant : {BuildVariant::Wizard, BuildVariant::Editor}) {
        BuildStandardFiles(run, root, {"Base.gro", "Folder.gro", "Broken.gro"}, target, variant);
    }
    EXPECT_EQ(recorder.shown.size(), 3u);
    testing::expectNoLibraryText(recorder.shown);
}

TEST_F(StandardListBuilderTest, AddFileInOptionsNeedsAValidRoot) {
    const std::string badRoot = (install.path() / "Bin").string() + "/";
    AddStandardFile(run, badRoot, target, AddVariant::Options);
    EXPECT_EQ(recorder.shown, Names{kChooseValidPathFirst});
    EXPECT_TRUE(recorder.openRequests.empty());
}

TEST_F(StandardListBuilderTest, AddFileCancelledOrOutsideTheInstallation) {
    AddStandardFile(run, root, target, AddVariant::Options);
    ASSERT_EQ(recorder.openRequests.size(), 1u);
    EXPECT_EQ(recorder.openRequests[0].filter, "*.*|*.*");
    EXPECT_EQ(recorder.openRequests[0].initialFolder, root);
    EXPECT_TRUE(recorder.shown.empty());

    const TempDir elsewhere;
    const auto outside = elsewhere.write("x.txt", "").string();
    recorder.openAnswers = {{outside}, {outside}};
    AddStandardFile(run, root, target, AddVariant::Options);
    AddStandardFile(run, root, target, AddVariant::Wizard);
    EXPECT_EQ(recorder.shown, (Names{"The file must reside inside the SS installation directory.\n"
                                     "If you are sure that it's there, then please check that the\n"
                                     "path is correctly defined in the Options menu.",
                                     "The file must reside inside the SS installation directory,\n"
                                     "which was specified in the previous window."}));
    EXPECT_TRUE(target.empty());
}

TEST_F(StandardListBuilderTest, AddFileAppendsAPlainFileOnceByItsGameName) {
    const auto file = install.write("Textures/Sky/Blue.tex", "");
    recorder.openAnswers = {{file.string()}, {file.string()}};
    AddStandardFile(run, root, target, AddVariant::Wizard);
    EXPECT_EQ(target.names(), Names{"Textures\\Sky\\Blue.tex"});
    EXPECT_TRUE(target.checked(0));
    AddStandardFile(run, root, target, AddVariant::Wizard);
    EXPECT_EQ(recorder.shown, Names{"This file is already in the list."});
}

TEST_F(StandardListBuilderTest, AddFileListsAChosenArchiveWithoutItsNameOrCounter) {
    target.append("READ.TXT");
    recorder.openAnswers = {{(install.path() / "Extra.GRO").string()}};
    AddStandardFile(run, root, target, AddVariant::Options);
    EXPECT_EQ(target.names(), (Names{"READ.TXT", "New\\One.wav"}));
    EXPECT_EQ(recorder.log, (Names{"disable", "show", "enable", "hide"}));
    EXPECT_EQ(recorder.overallTexts, Names{"1 out of 1"});
    EXPECT_EQ(recorder.currentTexts, Names{""});
    EXPECT_EQ(recorder.overallMax, 1);

    // The archive's own name, once listed, stops a second listing.
    target.append("Extra.GRO");
    recorder.openAnswers = {{(install.path() / "Extra.GRO").string()}};
    AddStandardFile(run, root, target, AddVariant::Options);
    EXPECT_EQ(recorder.shown.back(), "This file is already in the list.");
}

} // namespace
} // namespace korvane
