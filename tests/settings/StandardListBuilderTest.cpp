#include "settings/StandardListBuilder.h"

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
    NameList target;
    Names notFound;

    StandardListResult build(const Names& archives, BuildVariant variant, NameList* archiveList = nullptr) {
        return BuildStandardFiles(archiver, recorder, root, archives, target, variant, archiveList,
                                  [this](const std::string& name) { notFound.push_back(name); });
    }
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

TEST_F(StandardListBuilderTest, WizardBuildSkipsDuplicatesAndSuspendsRepaintingForTheRun) {
    target.append("Stale.txt");
    recorder.watched = &target;
    EXPECT_EQ(build({"Base.gro", "Gone.gro", "patch.GRO", "Also.gro"}, BuildVariant::Wizard).outcome,
              StandardListOutcome::ArchivesMissing);
    EXPECT_EQ(target.names(), (Names{"Textures\\Wall.tex", "Models\\Item.mdl", "Read.txt", "Sounds\\Step.wav"}));
    EXPECT_EQ(notFound, (Names{"Gone.gro", "Also.gro"}));
    EXPECT_EQ(recorder.overallTexts, (Names{"", "1 out of 4", "2 out of 4", "3 out of 4", "4 out of 4"}));
    EXPECT_EQ(recorder.overallMax, 4);
    EXPECT_FALSE(target.updating());
    EXPECT_EQ(recorder.watchedUpdating, (std::vector<bool>{true, true}));
}

TEST_F(StandardListBuilderTest, EditorRebuildKeepsDuplicatesAndTellsEachMissingArchiveInTurn) {
    NameList archives;
    archives.append("Old.gro");
    EXPECT_EQ(build({"Base.gro", "", "Gone.gro", "Patch.gro", "Base.gro"}, BuildVariant::Editor, &archives).outcome,
              StandardListOutcome::ArchivesMissing);
    EXPECT_EQ(archives.names(), (Names{"Base.gro", "Patch.gro", "Base.gro"}));
    EXPECT_EQ(target.size(), 3 + 2 + 3);
    EXPECT_EQ(target.name(3), "textures\\WALL.TEX");
    EXPECT_EQ(notFound, (Names{"", "Gone.gro"}));
}

TEST_F(StandardListBuilderTest, UnreadableArchiveStopsTheBuild) {
    install.write("Broken.gro", "this is not a zip archive at all");
    const StandardListResult result = build({"Base.gro", "Broken.gro", "Patch.gro"}, BuildVariant::Wizard);
    EXPECT_EQ(result.outcome, StandardListOutcome::Unreadable);
    EXPECT_EQ(result.failure, "Archiver: Archive is damaged. Open failed - Native error: 00048");
    EXPECT_EQ(target.size(), 3);
    EXPECT_FALSE(target.updating());
}

// A vanished working folder, a folder under an archive's name and an archive that is none reach the user in
// the program's own words.
TEST_F(StandardListBuilderTest, NoLibraryTextReachesTheUser) {
    std::filesystem::create_directories(install.path() / "Folder.gro" / "Inside");
    install.write("Broken.gro", "this is not a zip archive at all");
    const testing::WorkingFolderGone gone(install.path() / "cwd");
    Names failures;
    for (const BuildVariant variant : {BuildVariant::Wizard, BuildVariant::Editor}) {
        failures.push_back(build({"Base.gro", "Folder.gro", "Broken.gro"}, variant).failure);
    }
    EXPECT_EQ(notFound, (Names{"Folder.gro", "Folder.gro"}));
    testing::expectNoLibraryText(failures);
}

TEST_F(StandardListBuilderTest, AChosenFileIsOutsideListedAPlainFileOrAnArchive) {
    const TempDir elsewhere;
    const auto outside = elsewhere.write("x.txt", "").string();
    EXPECT_EQ(classifyStandardChoice(root, outside, target).choice, StandardChoice::Outside);
    EXPECT_EQ(standardChoiceMessage(StandardChoice::Outside, AddVariant::Options),
              "The file must reside inside the SS installation directory.\n"
              "If you are sure that it's there, then please check that the\n"
              "path is correctly defined in the Options menu.");
    EXPECT_EQ(standardChoiceMessage(StandardChoice::Outside, AddVariant::Wizard),
              "The file must reside inside the SS installation directory,\n"
              "which was specified in the previous window.");
    const auto file = install.write("Textures/Sky/Blue.tex", "");
    const ChosenStandardFile plain = classifyStandardChoice(root, file.string(), target);
    EXPECT_EQ(plain.choice, StandardChoice::File);
    EXPECT_EQ(plain.name, "Textures\\Sky\\Blue.tex");
    target.append("textures\\sky\\blue.TEX");
    EXPECT_EQ(classifyStandardChoice(root, file.string(), target).choice, StandardChoice::AlreadyListed);
    EXPECT_EQ(classifyStandardChoice(root, (install.path() / "Extra.GRO").string(), target).choice,
              StandardChoice::Archive);
}

TEST_F(StandardListBuilderTest, AChosenArchiveIsListedWithoutItsNameOrCounter) {
    target.append("READ.TXT");
    EXPECT_EQ(ListChosenArchive(archiver, recorder, root, "Extra.GRO", target), "");
    EXPECT_EQ(target.names(), (Names{"READ.TXT", "New\\One.wav"}));
    EXPECT_EQ(recorder.overallTexts, Names{"1 out of 1"});
    EXPECT_EQ(recorder.currentTexts, Names{""});
    EXPECT_EQ(recorder.overallMax, 1);
    install.write("Broken.gro", "this is not a zip archive at all");
    EXPECT_FALSE(ListChosenArchive(archiver, recorder, root, "Broken.gro", target).empty());
}

} // namespace
} // namespace korvane
