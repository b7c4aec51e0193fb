// What a packing run may never cost: the archive that was there before, whatever stops the run.
#include "PackingFixture.h"
#include "support/ArchiveCheck.h"

#include "pack/PackingMessages.h"
#include "support/FileSizeLimit.h"
#include "support/ReadFault.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <optional>
#include <random>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace korvane::testing {
namespace {

using Lines = std::vector<std::string>;
using Members = std::vector<Member>;

std::string joined(const Lines& lines) {
    std::string text;
    for (const auto& line : lines) {
        text += line + "\n";
    }
    return text;
}

class PackingSafetyTest : public PackingFixture {
protected:
    std::string destination = out + "pack.gro";
    std::string previous;

    void SetUp() override {
        game("Old.txt", "the map pack the user had before");
        check({"Old.txt"});
        pack(destination);
        previous = readFile(destination);
        files.clear();
        report.shown.clear();
    }

    // The destination is the previous archive byte for byte, or a whole new one holding `count` files.
    void expectPreviousOrComplete(std::size_t count) {
        const std::string now = readFile(destination);
        if (now != previous) {
            EXPECT_EQ(readMembers(destination).size(), count);
            expectToolsAccept(destination);
        }
    }
};

TEST_F(PackingSafetyTest, AKilledRunLeavesThePreviousArchiveOrACompleteNewOne) {
    constexpr int kFiles = 30;
    for (int i = 0; i < kFiles; ++i) {
        game("Textures/T" + std::to_string(i) + ".tex", repeated("texel " + std::to_string(i), 200 + i));
        check({"Textures\\T" + std::to_string(i) + ".tex"});
    }
    // Killed at a report of the engine (three for each file), or after a while at any point at all.
    std::mt19937 random(7);
    int kept = 0;
    for (int point = 0; point < 3 * kFiles + 12; point += 2) {
        const bool timed = point >= 3 * kFiles;
        const pid_t child = ::fork();
        if (child == 0) {
            int reports = 0;
            archiver.OnFileProgress = [&](TZEBaseArchiver&, const std::string&, double progress, TZEProcessOperation,
                                          TZEProgressPhase phase, bool&) {
                if (!timed && reports++ == point) {
                    ::raise(SIGKILL);
                }
                events.FileProgress(progress, phase);
            };
            pack(destination);
            ::_exit(0);
        }
        if (timed) {
            ::usleep(static_cast<useconds_t>(random() % 20000));
            ::kill(child, SIGKILL);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        expectPreviousOrComplete(kFiles);
        kept += readFile(destination) == previous ? 1 : 0;
        dir.write("out/pack.gro", previous);
    }
    EXPECT_GE(kept, 3 * kFiles / 2);
}

TEST_F(PackingSafetyTest, AFullDiskStopsTheRunWithOneMessageAndKeepsThePreviousArchive) {
    game("Sounds/Music.ogg", noise(600'000));
    game("Sounds/Speech.ogg", noise(600'000));
    check({"Sounds\\Music.ogg", "Sounds\\Speech.ogg"});
    const std::string text = withFileSizeLimitInChild(900'000, [&] {
        const bool failed = pack(destination) == PackingOutcome::Failed;
        return joined(screen.log) + "|" + joined(report.shown) + "|" + std::to_string(archiver.Active()) +
               std::to_string(failed);
    });
    const std::string message =
        "Error: The disk is full: " + destination + " could not be written. A GRO that was there before is unchanged.";
    EXPECT_EQ(text, joined({"Checking file path... Exists.", "Checking file writability... OK!", "Setting up...",
                            "Packing...", message}) +
                        "|" + joined({message}) + "|01");
    EXPECT_EQ(readFile(destination), previous);
    EXPECT_EQ(folderNames(out), Lines{"pack.gro"}) << "no temporary file is left behind";
}

TEST_F(PackingSafetyTest, ASecondRunOnTheSameDestinationNeitherDamagesTheFirstNorClaimsItsArchive) {
    game("First.txt", "first run");
    game("Second.txt", "second run");
    check({"First.txt", "Old.txt"});
    // While the first run packs its second file, a second run packs the same destination to the end.
    RecordedRun second;
    NameList secondFiles;
    secondFiles.append("Second.txt", true);
    archiver.OnFileProgress = [&](TZEBaseArchiver&, const std::string& name, double progress, TZEProcessOperation,
                                  TZEProgressPhase phase, bool&) {
        if (name.ends_with("Old.txt") && phase == ppStart) {
            second.run(root, destination, secondFiles);
            EXPECT_EQ(readMembers(destination), (Members{{"Second.txt", 8, "second run"}}));
        }
        events.FileProgress(progress, phase);
    };
    pack(destination);
    EXPECT_EQ(second.report.shown, Lines{kSuccess});
    EXPECT_EQ(report.shown, Lines{kSuccess});
    // Each run put a complete archive in place; the later one stays.
    EXPECT_EQ(readMembers(destination),
              (Members{{"First.txt", 8, "first run"}, {"Old.txt", 8, "the map pack the user had before"}}));
    EXPECT_EQ(folderNames(out), Lines{"pack.gro"});
}

TEST_F(PackingSafetyTest, ANameLongerThanTheReaderTakesIsNeverWrittenAndTheRunGoesOn) {
    const std::string folder(124, 'L');
    const std::string longName = "Textures/" + folder + "/" + folder + "/Wall.tex"; // 266 bytes
    game(longName, "wall");
    const std::string entry = "Textures\\" + folder + "\\" + folder + "\\Wall.tex";
    check({entry, "Old.txt"});
    pack(destination);
    EXPECT_EQ(screen.log,
              (Lines{"Checking file path... Exists.", "Checking file writability... OK!", "Setting up...", "Packing...",
                     "  ERROR: File " + entry + " has a name longer than 256 bytes!", "Done."}));
    EXPECT_EQ(report.shown, Lines{kSomeMissing});
    EXPECT_EQ(readMembers(destination), (Members{{"Old.txt", 8, "the map pack the user had before"}}));
}

TEST_F(PackingSafetyTest, AFileChangedAfterItWasCompressedAheadIsPackedAsItIsNow) {
    // Big enough to be handed to the second core.
    game("Textures/A.tex", repeated("first", 20000));
    game("Textures/B.tex", repeated("stale", 20000));
    check({"Textures\\A.tex", "Textures\\B.tex"});
    archiver.OnConfirmProcessFile = [&](TZEBaseArchiver&, const std::string& name, TZEProcessOperation, bool&) {
        if (name.ends_with("A.tex")) {
            // Time for the second core to deflate B first.
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            game("Textures/B.tex", repeated("fresh", 20000));
        }
    };
    pack(destination);
    EXPECT_EQ(readMembers(destination), (Members{{"Textures/A.tex", 8, repeated("first", 20000)},
                                                 {"Textures/B.tex", 8, repeated("fresh", 20000)}}));
}

TEST_F(PackingSafetyTest, ARunThatCannotPackEveryFileKeepsThePreviousArchiveOrNeverClaimsSuccess) {
    game("Textures/Wall.tex", "wall");
    game("Textures/Floor.tex", "floor");
    dir.write("outside/Secret.tex", "not the game's");
    struct Row {
        const char* what;
        Lines checked;
        Lines kept;          // archives never replaced
        std::string failing; // a file whose reads fail, or one swapped for a link out of the game after the check
        PackingOutcome outcome;
        Members packed; // none: the previous archive stays
    };
    const std::vector<Row> rows{
        {"a standard archive", {"Textures\\Wall.tex"}, {destination}, "", PackingOutcome::Refused, {}},
        {"nothing to pack", {"Textures\\Gone.tex"}, {}, "", PackingOutcome::NothingPacked, {}},
        {"a read error",
         {"Textures\\Wall.tex", "Textures\\Floor.tex"},
         {},
         "Floor.tex",
         PackingOutcome::FilesMissing,
         {{"Textures/Wall.tex", 8, "wall"}}},
        {"a swapped link",
         {"Textures\\Floor.tex", "Textures\\Wall.tex"},
         {},
         "Wall.tex",
         PackingOutcome::FilesMissing,
         {{"Textures/Floor.tex", 8, "floor"}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        files.clear();
        report.shown.clear();
        check(row.checked);
        std::optional<ReadFault> fault;
        archiver.OnConfirmProcessFile = [&](TZEBaseArchiver&, const std::string& name, TZEProcessOperation, bool&) {
            if (row.what == std::string("a swapped link") && name.ends_with(row.failing)) {
                std::filesystem::remove(root + "Textures/Wall.tex");
                std::filesystem::create_symlink(dir.root() + "outside/Secret.tex", root + "Textures/Wall.tex");
            }
        };
        if (row.what == std::string("a read error")) {
            fault.emplace(row.failing);
        }
        const PackingOutcome outcome = PackingRun({archiver, events, progress, screen, report, nullptr, "", row.kept})
                                           .run(root, destination, files);
        fault.reset();
        EXPECT_EQ(outcome, row.outcome);
        EXPECT_EQ(std::count(report.shown.begin(), report.shown.end(), std::string(kSuccess)), 0);
        if (row.packed.empty()) {
            EXPECT_EQ(readFile(destination), previous);
        } else {
            EXPECT_EQ(readMembers(destination), row.packed);
            EXPECT_NE(std::find_if(screen.log.begin(), screen.log.end(),
                                   [&](const std::string& line) { return line.find(row.failing) != line.npos; }),
                      screen.log.end());
        }
        dir.write("out/pack.gro", previous);
        std::filesystem::remove(root + "Textures/Wall.tex");
        game("Textures/Wall.tex", "wall");
    }
}

} // namespace
} // namespace korvane::testing
