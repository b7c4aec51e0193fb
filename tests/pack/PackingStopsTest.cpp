#include "PackingFixture.h"
#include "support/ArchiveCheck.h"

#include "pack/DestinationPath.h"
#include "pack/PackingMessages.h"
#include "support/LibraryText.h"

#include <filesystem>

namespace korvane::testing {
namespace {

using Lines = std::vector<std::string>;
using Members = std::vector<Member>;

TEST(DestinationPath, GetsAnExtensionOnlyWhenItHasNone) {
    EXPECT_EQ(withGroExtension("/a/mymap"), "/a/mymap.gro");
    EXPECT_EQ(withGroExtension("/a/mymap."), "/a/mymap.gro");
    EXPECT_EQ(withGroExtension("/a/mymap.zip"), "/a/mymap.zip");
    EXPECT_EQ(withGroExtension("/a/mymap.GRO"), "/a/mymap.GRO");
    EXPECT_EQ(withGroExtension("/a.b/mymap"), "/a.b/mymap.gro");
    EXPECT_EQ(destinationName("/a/"), "");
    EXPECT_EQ(destinationFolder("/a/b/map.gro"), "/a/b");
    EXPECT_EQ(destinationFolder("/map.gro"), "/");
    EXPECT_EQ(destinationFolder("map.gro"), "");
}

class PackingStopsTest : public PackingFixture {
protected:
    void SetUp() override {
        game("Textures/Wall.tex", "wall");
        game("Sounds/Music.ogg", noise(4096));
        check({"Textures\\Wall.tex", "Sounds\\Music.ogg"});
    }
    void expectStoppedWith(const std::string& message, const Lines& log) {
        EXPECT_EQ(report.shown, Lines{message});
        EXPECT_EQ(screen.log, log);
        EXPECT_EQ(screen.busy, (std::vector<bool>{true, false}));
        EXPECT_FALSE(archiver.Active());
    }
};

TEST_F(PackingStopsTest, ANameWithoutAFileNameChangesNothing) {
    screen.log = {"earlier log"};
    EXPECT_EQ(pack(out), PackingOutcome::NotStarted);
    pack("");
    EXPECT_EQ(report.shown, (Lines{kChooseValidDestination, kChooseValidDestination}));
    EXPECT_EQ(screen.log, Lines{"earlier log"});
    EXPECT_TRUE(screen.busy.empty());
    EXPECT_TRUE(screen.destination.empty());
}

TEST_F(PackingStopsTest, AMissingFolderIsCreatedOneLevelDeep) {
    pack(out + "new/pack.gro");
    EXPECT_EQ(screen.log.front(), "Checking file path... Created.");
    EXPECT_EQ(readMembers(out + "new/pack.gro").size(), 2u);
}

TEST_F(PackingStopsTest, TwoMissingLevelsOrNoFolderAtAllStopBeforeTheProbe) {
    pack(out + "one/two/pack.gro");
    expectStoppedWith(kPathNotCreated, Lines{"Checking file path..."});
    EXPECT_FALSE(std::filesystem::exists(out + "one"));
    report.shown.clear();
    screen.busy.clear();
    pack("pack");
    EXPECT_EQ(screen.destination, "pack.gro");
    expectStoppedWith(kPathNotCreated, Lines{"Checking file path..."});
}

TEST_F(PackingStopsTest, ADestinationThatCannotBeWrittenStopsAfterTheProbe) {
    std::filesystem::create_directory(out + "taken.gro");
    pack(out + "taken.gro");
    expectStoppedWith(kNotWritable, (Lines{"Checking file path... Exists.", "Checking file writability..."}));
}

TEST_F(PackingStopsTest, ADestinationThatIsACheckedFileIsRefusedAndKept) {
    pack(root + "Textures/Wall.tex");
    expectStoppedWith("Error: The GRO would replace Textures\\Wall.tex, which is one of the files to be packed.\n"
                      "Please choose another name or location for your GRO.",
                      (Lines{"Checking file path... Exists.", "Checking file writability..."}));
    EXPECT_EQ(readFile(root + "Textures/Wall.tex"), "wall");
}

TEST_F(PackingStopsTest, AnUncheckedFileInsideTheInstallationMayBeReplaced) {
    game("Old.gro", "an older archive");
    files.append("Old.gro", false);
    pack(root + "Old.gro");
    EXPECT_EQ(readMembers(root + "Old.gro").size(), 2u);
}

// A vanished working folder, and a file that turns into a folder between the check that it exists and its
// packing, reach the user in the program's own words.
TEST_F(PackingStopsTest, NoLibraryTextReachesTheUser) {
    game("Models/Later.mdl", "later");
    check({"Models\\Later.mdl"});
    progress.onPump = [this] {
        const auto& events = progress.events;
        if (events.size() >= 2 && events[events.size() - 2] == "Label3 2 out of 3") {
            std::filesystem::remove(root + "Models/Later.mdl");
            std::filesystem::create_directories(root + "Models/Later.mdl/Inside");
        }
    };
    const WorkingFolderGone gone(dir.path() / "cwd");
    const PackingOutcome outcome = pack(out + "pack.gro");
    EXPECT_EQ(outcome, PackingOutcome::FilesMissing);
    expectNoLibraryText(screen.log);
    expectNoLibraryText(report.shown);
}

// The run's tests show the events in their order; these are the details of single answers.
TEST(PackingEventsTest, AnswerAsTheMainWindowDoes) {
    RecordedRun run;
    PackingEvents& events = run.events;
    events.FileProgress(99.99, ppProcess);
    EXPECT_EQ(run.progress.events, (Lines{"current max 100", "current 99", "Label2 99%", "pump"}));
    EXPECT_FALSE(events.fileWritten());
    events.FileProgress(100, ppEnd);
    EXPECT_TRUE(events.fileWritten());
    EXPECT_FALSE(events.fileFailed());
    EXPECT_EQ(events.ProcessFileFailure("x"), fxaAbort);
    EXPECT_TRUE(events.fileFailed());
    EXPECT_TRUE(events.DiskFull());
    EXPECT_EQ(run.screen.log, (Lines{"Error:x", "Error: Disk full"}));
    EXPECT_EQ(run.report.shown, run.screen.log);
    events.startFile();
    EXPECT_FALSE(events.fileFailed() || events.fileWritten());
}

} // namespace
} // namespace korvane::testing
