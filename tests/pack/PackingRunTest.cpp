#include "PackingFixture.h"
#include "pack/PackingMessages.h"
#include "support/ArchiveCheck.h"

#include <filesystem>

namespace korvane::testing {
namespace {

using Lines = std::vector<std::string>;
using Members = std::vector<Member>;

class PackingRunTest : public PackingFixture {
protected:
    const std::string map = repeated("world ", 300);
    const std::string wall = repeated("texture ", 500);
    const std::string music = noise(4096);

    void SetUp() override {
        game("Levels/My Map.wld", map);
        game("Textures/Wall.tex", wall);
        game("Sounds/Music.ogg", music);
        game("Sounds/Shout.MP3", "loud");
        game("Models/Skipped.mdl", "not packed");
    }
};

TEST_F(PackingRunTest, PacksTheCheckedFilesUnderTheirGamePathsAndLogsEachStage) {
    check({"Levels\\My Map.wld", "textures\\WALL.tex", "Textures\\Gone.tex", "Sounds\\Music.ogg", "Sounds\\Shout.MP3"});
    files.append("Models\\Skipped.mdl", false);
    EXPECT_EQ(pack(out + "pack.gro"), PackingOutcome::FilesMissing);

    EXPECT_EQ(screen.log, (Lines{"Checking file path... Exists.", "Checking file writability... OK!", "Setting up...",
                                 "Packing...", "  ERROR: File Textures\\Gone.tex was not found!", "Done."}));
    EXPECT_EQ(dialogs.shown, Lines{kSomeFilesNotIncluded});
    EXPECT_EQ(screen.busy, (std::vector<bool>{true, false}));
    EXPECT_TRUE(screen.destination.empty());
    EXPECT_TRUE(shell.openedFolders.empty());
    // Names take the spelling on disk, folders included; sounds are stored, the rest deflated.
    EXPECT_EQ(readMembers(out + "pack.gro"), (Members{{"Levels/My Map.wld", 8, map},
                                                      {"Textures/Wall.tex", 8, wall},
                                                      {"Sounds/Music.ogg", 0, music},
                                                      {"Sounds/Shout.MP3", 0, "loud"}}));
    expectToolsAccept(out + "pack.gro");
    EXPECT_FALSE(archiver.Active());
    EXPECT_EQ(archiver.CompressionMode(), 7);
}

TEST_F(PackingRunTest, FullSuccessOffersTheDestinationFolder) {
    check({"Levels\\My Map.wld"});
    dialogs.answers = {true, false, true};
    EXPECT_EQ(pack(out + "mymap"), PackingOutcome::Packed);
    EXPECT_EQ(screen.destination, out + "mymap.gro");
    EXPECT_EQ(dialogs.shown, Lines{kPackedOpenFolderQuestion});
    EXPECT_EQ(shell.openedFolders, Lines{out});

    pack(out + "mymap.gro");
    EXPECT_EQ(dialogs.shown, (Lines{kPackedOpenFolderQuestion, kPackedOpenFolderQuestion}));
    EXPECT_EQ(shell.openedFolders, Lines{out});
    // A "Yes" the desktop cannot carry out is told.
    shell.folderOpens = false;
    pack(out + "mymap.gro");
    EXPECT_EQ(dialogs.shown.back(), folderNotOpened(out));
    EXPECT_EQ(screen.log.size(), 5u) << "a second run starts a new log";
}

TEST_F(PackingRunTest, FilesTheGameUsesOnlyAsPlainFilesStayOutOfTheArchiveAndAreCounted) {
    game("Bin/Entities.dll", "MZ");
    game("ModExt.txt", "MP");
    check({"Bin\\Entities.dll", "Levels\\My Map.wld", "ModExt.txt"});
    dialogs.answers = {false};
    EXPECT_EQ(pack(out + "mymap.gro"), PackingOutcome::Packed);
    EXPECT_EQ(readMembers(out + "mymap.gro"), (Members{{"Levels/My Map.wld", 8, map}}));
    EXPECT_EQ(screen.log[4], "  BESIDE: File Bin\\Entities.dll must ship beside the GRO: the game loads libraries "
                             "only from plain files in Bin, never from a GRO.");
    EXPECT_EQ(screen.log[5], besideLogLine("ModExt.txt", BesideReason::StartupFile));
    EXPECT_EQ(dialogs.shown, Lines{"2 files must ship beside the GRO, under the same folders (see the log); the GRO "
                                   "alone is not enough.\n" +
                                   kPackedOpenFolderQuestion});
}

TEST_F(PackingRunTest, ProgressShowsThePlaceInTheWholeListAndEachFilesPercentage) {
    check({"Levels\\My Map.wld"});
    files.append("Models\\Skipped.mdl", false);
    check({"Textures\\Wall.tex"});
    pack(out + "pack.gro");
    const Lines expected{"overall max 3", "overall 0", "current 0",
                         // first file: its place, then the engine's start, block and end reports
                         "overall 0", "Label3 0 out of 3", "pump", "current max 100", "current 0", "Label2 0%", "pump",
                         "current max 100", "current 0", "Label2 0%", "pump", "current max 100", "current 100",
                         "Label2 100%", "pump",
                         // the unchecked entry is passed over
                         "overall 2", "Label3 2 out of 3", "pump"};
    ASSERT_GE(progress.events.size(), expected.size());
    EXPECT_EQ(Lines(progress.events.begin(), progress.events.begin() + static_cast<long>(expected.size())), expected);
    EXPECT_EQ(progress.events.back(), "pump");
}

TEST_F(PackingRunTest, EachCallTakesOnlyItsOwnFileNotItsNamesakesInSubFolders) {
    game("Textures/Old/Textures/Wall.tex", "older copy");
    game("Readme.txt", "read me");
    game("Mods/Other/Readme.txt", "another mod's");
    check({"Textures\\Wall.tex", "Readme.txt"});
    dialogs.answers = {false};
    pack(out + "pack.gro");
    EXPECT_EQ(readMembers(out + "pack.gro"), (Members{{"Textures/Wall.tex", 8, wall}, {"Readme.txt", 8, "read me"}}));
    EXPECT_EQ(dialogs.shown, Lines{kPackedOpenFolderQuestion});
    EXPECT_TRUE(archiver.Options.Recurse) << "the engine's own walk stays as it was";
}

TEST_F(PackingRunTest, NamesOutsideTheInstallationNeverReachTheEngine) {
    dir.write("secret.txt", "outside");
    int offered = 0;
    archiver.OnConfirmProcessFile = [&](TZEBaseArchiver&, const std::string&, TZEProcessOperation, bool&) {
        ++offered;
    };
    const Lines unsafe{"..\\secret.txt", "../secret.txt", "Textures\\..\\..\\secret.txt", dir.root() + "secret.txt",
                       "C:\\secret.txt"};
    check(unsafe);
    check({"Textures\\Wall.tex"});
    pack(out + "pack.gro");
    Lines expected{"Checking file path... Exists.", "Checking file writability... OK!", "Setting up...", "Packing..."};
    for (const auto& name : unsafe) {
        expected.push_back("  ERROR: File " + name + " was not found!");
    }
    expected.push_back("Done.");
    EXPECT_EQ(screen.log, expected);
    EXPECT_EQ(offered, 1);
    EXPECT_EQ(readMembers(out + "pack.gro"), (Members{{"Textures/Wall.tex", 8, wall}}));
    EXPECT_EQ(dialogs.shown, Lines{kSomeFilesNotIncluded});
}

TEST_F(PackingRunTest, AFileTheEngineLeavesOutSilentlyIsLoggedAndCounted) {
    archiver.OnConfirmProcessFile = [](TZEBaseArchiver&, const std::string& name, TZEProcessOperation, bool& confirm) {
        confirm = !name.ends_with("Wall.tex");
    };
    check({"Textures\\Wall.tex", "Levels\\My Map.wld"});
    pack(out + "pack.gro");
    EXPECT_EQ(screen.log[4], "  ERROR: File Textures\\Wall.tex was not added!");
    EXPECT_EQ(screen.log[5], "Done.");
    EXPECT_EQ(dialogs.shown, Lines{kSomeFilesNotIncluded});
    EXPECT_EQ(readMembers(out + "pack.gro"), (Members{{"Levels/My Map.wld", 8, map}}));
}

TEST_F(PackingRunTest, AFileThatFailsIsReportedDroppedAndCountedWhileTheOthersLand) {
    // Gone between the existence check and the engine opening it.
    archiver.OnConfirmProcessFile = [&](TZEBaseArchiver&, const std::string& name, TZEProcessOperation, bool&) {
        if (name.ends_with("Wall.tex")) {
            std::filesystem::remove(root + "Textures/Wall.tex");
        }
    };
    check({"Levels\\My Map.wld", "Textures\\Wall.tex", "Sounds\\Music.ogg"});
    pack(out + "pack.gro");
    ASSERT_EQ(screen.log.size(), 6u);
    const std::string& failure = screen.log[4];
    EXPECT_TRUE(failure.starts_with("Error:Archiver: Cannot open file \"")) << failure;
    EXPECT_TRUE(failure.ends_with("Wall.tex\" - Native error: 00033")) << failure;
    EXPECT_EQ(screen.log[5], "Done.");
    EXPECT_EQ(dialogs.shown, (Lines{failure, kSomeFilesNotIncluded}));
    EXPECT_EQ(readMembers(out + "pack.gro"), (Members{{"Levels/My Map.wld", 8, map}, {"Sounds/Music.ogg", 0, music}}));
    expectToolsAccept(out + "pack.gro");
}

} // namespace
} // namespace korvane::testing
