// The archive checked as the game reads it: one archive made for each rule, and the packing run's report.
#include "pack/GameLimitsCheck.h"

#include "PackingFixture.h"
#include "support/ArchiveCheck.h"

#include "platform/NameList.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

using Lines = std::vector<std::string>;
using testing::commandExists;
using testing::runCommand;

constexpr const char* kPacked =
    "The gro has been successfully created.\nDo you wish to open the destination directory?";

class GameLimitsCheckTest : public ::testing::Test {
protected:
    testing::TempDir dir;
    NameList standard;

    // An archive written by Python's zipfile; `members` is Python code appending to the list m of
    // (name, method) pairs. Every member holds the same few bytes.
    std::string made(const std::string& members) {
        const std::string path = dir.root() + "made.gro";
        const std::string script = "import sys,zipfile\n"
                                   "m=[]\n" +
                                   members +
                                   "\nwith zipfile.ZipFile(sys.argv[1],'w') as z:\n"
                                   "  for n,c in m: z.writestr(zipfile.ZipInfo(n),b'data'*64,compress_type=c)\n";
        dir.write("make.py", script);
        const auto [output, ok] =
            runCommand("python3 " + testing::quoted(dir.path() / "make.py") + " " + testing::quoted(path));
        EXPECT_TRUE(ok) << output;
        return path;
    }
    Lines check(const std::string& path, const NameList* list = nullptr) {
        return checkGameLimits(readCheckedArchive(path), list);
    }

    void SetUp() override {
        if (!commandExists("python3")) {
            GTEST_SKIP() << "python3 absent";
        }
    }
};

TEST_F(GameLimitsCheckTest, AnArchiveTheGameReadsAsIntendedHasNoWarnings) {
    standard.append("Textures\\Stock.tex");
    const std::string path = made("m += [('Models/',0), ('Models/A.mdl',8), ('Music/A.ogg',0), ('Music/B.MP3',0),"
                                  " ('Textures/Own.tex',8)]");
    EXPECT_EQ(check(path, &standard), Lines{});
    EXPECT_EQ(checkWrittenArchive(path, &standard), Lines{});
}

TEST_F(GameLimitsCheckTest, MoreEntriesThanTheGameTakes) {
    EXPECT_EQ(check(made("m += [('f/%d.wav' % i, 0) for i in range(32768)]")),
              Lines{"Warning: The GRO has 32768 entries; the game ignores an archive with more than 32767."});
    CheckedArchive most;
    most.members.resize(32767, CheckedMember{"a.wav", 5, 0, true});
    EXPECT_EQ(checkGameLimits(most, nullptr), Lines{});
}

TEST_F(GameLimitsCheckTest, LongAndNonAsciiNames) {
    const std::string longest = "T/" + std::string(248, 'a') + ".tex";
    const Lines warnings = check(made("m += [('" + longest + "',8), ('" + longest + "x',8), ('T/\\u0416.tex',8)]"));
    ASSERT_EQ(warnings.size(), 2u);
    EXPECT_EQ(warnings[0], "Warning: The name T\\" + std::string(248, 'a') +
                               ".texx is 255 bytes long; the game reads names of up to 254 bytes.");
    EXPECT_NE(warnings[1].find(" has non-ASCII characters; the game cannot find it on every system."),
              std::string::npos);
}

TEST_F(GameLimitsCheckTest, NamesEqualButForLetterCase) {
    EXPECT_EQ(check(made("m += [('Textures/Wall.tex',8), ('Sounds/a.wav',0), ('textures/WALL.TEX',8)]")),
              Lines{"Warning: Textures\\Wall.tex and textures\\WALL.TEX differ only in letter case; the game finds "
                    "only one of them."});
    // The game folds ASCII letters only: two non-ASCII spellings are distinct names to it.
    CheckedArchive accented;
    accented.members = {{"x\\\xC3\x84.tex", 7, 8, false}, {"x\\\xC3\xA4.tex", 7, 8, false}};
    const Lines warnings = checkGameLimits(accented, nullptr);
    ASSERT_EQ(warnings.size(), 2u);
    EXPECT_EQ(warnings[1].find("differ only"), std::string::npos);
}

TEST_F(GameLimitsCheckTest, PackedStandardFilesReplaceTheStockOnes) {
    standard.append("Textures\\Stock.tex");
    const std::string path = made("m += [('textures/stock.tex',8), ('Textures/Own.tex',8)]");
    EXPECT_EQ(check(path, &standard), Lines{"Warning: textures\\stock.tex is also a standard file; the GRO replaces "
                                            "it for every map, not just yours."});
    EXPECT_EQ(check(path), Lines{});
}

TEST_F(GameLimitsCheckTest, CompressedSounds) {
    EXPECT_EQ(check(made("m += [('Music/A.ogg',8), ('Music/B.mp3',0), ('Sounds/C.MP3',8), ('Sounds/D.wav',8)]")),
              (Lines{"Warning: Music\\A.ogg is compressed; the game plays only stored .ogg and .mp3 files.",
                     "Warning: Sounds\\C.MP3 is compressed; the game plays only stored .ogg and .mp3 files."}));
}

TEST_F(GameLimitsCheckTest, ArchivesOfTwoGibibytesOrMore) {
    CheckedArchive archive;
    archive.members = {{"a.wav", 5, 0, false}};
    archive.size = (std::uint64_t{1} << 31) - 1;
    EXPECT_EQ(checkGameLimits(archive, nullptr), Lines{});
    archive.size = std::uint64_t{1} << 31;
    EXPECT_EQ(checkGameLimits(archive, nullptr),
              Lines{"Warning: The GRO is 2147483648 bytes long; the game reads only archives smaller than 2 GiB."});
}

TEST_F(GameLimitsCheckTest, AnArchiveThatCannotBeReadBackAndALongList) {
    dir.write("broken.gro", "not an archive");
    const Lines warnings = checkWrittenArchive(dir.root() + "broken.gro", nullptr);
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_EQ(warnings[0].rfind("Warning: The GRO could not be read back to check it: ", 0), 0u);

    Lines many;
    for (int i = 0; i < 23; ++i) {
        many.push_back("Warning: " + std::to_string(i));
    }
    const std::string message = gameLimitsMessage(many);
    EXPECT_EQ(message.rfind("The GRO may not work in the game as intended:\nWarning: 0\n", 0), 0u);
    EXPECT_NE(message.find("Warning: 19\n...and 3 more; see the log for all of them."), std::string::npos);
    EXPECT_EQ(message.find("Warning: 20"), std::string::npos);
}

class PackingCheckTest : public testing::PackingFixture {
protected:
    NameList standard;
    void packChecked(const std::string& destination) {
        PackingRun run({archiver, events, progress, dialogs, shell, screen, &standard});
        run.run(root, destination, files);
    }
};

TEST_F(PackingCheckTest, ACleanRunKeepsItsLogAndQuestionUnchanged) {
    game("Textures/Own.tex", "own");
    game("Music/A.ogg", testing::noise(100));
    standard.append("Textures\\Stock.tex");
    check({"Textures\\Own.tex", "Music\\A.ogg"});
    packChecked(out + "clean.gro");
    EXPECT_EQ(screen.log, (Lines{"Checking file path... Exists.", "Checking file writability... OK!", "Setting up...",
                                 "Packing...", "Done."}));
    EXPECT_EQ(dialogs.shown, Lines{kPacked});
}

TEST_F(PackingCheckTest, WarningsFollowDoneAndComeBeforeTheClosingQuestion) {
    game("Textures/Stock.tex", "replacement");
    game("Textures/Own.tex", "own");
    standard.append("Textures\\Stock.tex");
    check({"Textures\\Stock.tex", "Textures\\Own.tex", "Textures\\Gone.tex"});
    packChecked(out + "replacing.gro");
    const std::string warning =
        "Warning: Textures\\Stock.tex is also a standard file; the GRO replaces it for every map, not just yours.";
    EXPECT_EQ(screen.log, (Lines{"Checking file path... Exists.", "Checking file writability... OK!", "Setting up...",
                                 "Packing...", "  ERROR: File Textures\\Gone.tex was not found!", "Done.", warning}));
    EXPECT_EQ(dialogs.shown, (Lines{"The GRO may not work in the game as intended:\n" + warning,
                                    "Some files could not be included in the GRO. See the log for details."}));
    EXPECT_EQ(screen.busy, (std::vector<bool>{true, false}));
}

} // namespace
} // namespace korvane
