// The archive checked as the game's reader takes it: one archive made for each rule, and the packing run's
// report.
#include "pack/GameLimitsCheck.h"

#include "PackingFixture.h"
#include "support/ArchiveCheck.h"

#include "platform/AppState.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

using Lines = std::vector<std::string>;
using testing::commandExists;
using testing::runCommand;

class GameLimitsCheckTest : public ::testing::Test {
protected:
    testing::TempDir dir;
    AppState installation{dir.root(), {}, {}};

    // An archive written by Python's zipfile; `members` is Python code appending to the list m of
    // (name, method) pairs. Every member holds the same few bytes.
    std::string made(const std::string& members, const std::string& name = "made.gro") {
        const std::string path = dir.root() + name;
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
    Lines check(const std::string& path, const AppState* standard = nullptr) {
        return checkGameLimits(readCheckedArchive(path), standard);
    }

    void SetUp() override {
        if (!commandExists("python3")) {
            GTEST_SKIP() << "python3 absent";
        }
    }
};

TEST_F(GameLimitsCheckTest, AnArchiveTheGameReadsAsIntendedHasNoWarnings) {
    installation.StandardFiles.append("Textures\\Stock.tex");
    const std::string path = made("m += [('Models/',0), ('Models/A.mdl',8), ('Music/A.ogg',0), ('Music/B.MP3',0),"
                                  " ('Textures/Own.tex',8)]");
    EXPECT_EQ(check(path, &installation), Lines{});
}

TEST_F(GameLimitsCheckTest, MoreEntriesThanTheGameTakes) {
    CheckedArchive many;
    many.members.resize(32768, CheckedMember{"a.wav", 5, 0, true});
    EXPECT_EQ(checkGameLimits(many, nullptr),
              Lines{"Warning: The GRO has 32768 entries; the game ignores an archive with more than 32767."});
    many.members.pop_back();
    EXPECT_EQ(checkGameLimits(many, nullptr), Lines{});
}

TEST_F(GameLimitsCheckTest, LongNamesAndNamesNotInTheAnsiCodePage) {
    // The game's reader takes names of up to 512 bytes and refuses the whole archive for a longer one.
    CheckedArchive archive;
    archive.members = {{"T\\" + std::string(506, 'a') + ".tex", 512, 8, false},
                       {"T\\" + std::string(507, 'a') + ".tex", 513, 8, false}};
    EXPECT_EQ(checkGameLimits(archive, nullptr),
              Lines{"Warning: The name T\\" + std::string(507, 'a') +
                    ".tex is 513 bytes long; the game refuses the whole GRO when a name is longer than 512 bytes."});
    // Stored as UTF-8, a map's ANSI bytes for the name never match it.
    EXPECT_EQ(check(made("m += [('T/\\u0416.tex',8), ('T/plain.tex',8)]")),
              Lines{"Warning: The name T\\\xD0\x96.tex is not stored in the ANSI code page that maps use; the game "
                    "cannot find it."});
}

TEST_F(GameLimitsCheckTest, ArchivesOtherToolsMakeAreReadAndWhatTheGameMisreadsIsWarned) {
    // A name longer than Korvane writes still opens the archive, for the warning about the game's limit.
    const Lines longName = check(made("m += [('T/" + std::string(600, 'a') + ".tex',8)]", "long.gro"));
    ASSERT_EQ(longName.size(), 1u);
    EXPECT_NE(longName[0].find(" is 606 bytes long;"), std::string::npos);
    // Patched after writing: the end record's count, then the second entry's local header offset.
    const auto patched = [&](std::string_view marker, std::size_t at) {
        std::string bytes = testing::readFile(made("m += [('A.tex',8), ('B.tex',8)]"));
        const std::size_t found = marker[3] == '\x02' ? bytes.rfind(marker) : bytes.find(marker);
        bytes.replace(found + at, 4, std::string(4, '\0'));
        dir.write("made.gro", bytes);
        return check(dir.root() + "made.gro");
    };
    EXPECT_EQ(patched(std::string_view("PK\x05\x06", 4), 8),
              Lines{"Warning: The GRO's end record counts no entries although its directory holds 2; the game takes "
                    "the GRO for empty."});
    EXPECT_EQ(patched(std::string_view("PK\x01\x02", 4), 42),
              Lines{"Warning: 1 entry overlaps the data of another (the first: A.tex and B.tex); the game reads the "
                    "same bytes for different files."});
    // The standard archive itself holds standard files, all readable.
    installation.StandardGroList.append("made.gro");
    installation.StandardFiles.assign({"A.tex", "B.tex"}, true);
    EXPECT_EQ(check(made("m += [('A.tex',8), ('B.tex',8)]"), &installation), Lines{});
}

TEST_F(GameLimitsCheckTest, NamesEqualButForLetterCase) {
    EXPECT_EQ(check(made("m += [('Textures/Wall.tex',8), ('Sounds/a.wav',0), ('textures/WALL.TEX',8)]")),
              Lines{"Warning: Textures\\Wall.tex and textures\\WALL.TEX differ only in letter case; the game finds "
                    "only one of them."});
    // The game folds ASCII letters only: two non-ASCII spellings are distinct names to it.
    CheckedArchive accented;
    accented.members = {{"x\\\xC3\x84.tex", 7, 8, false}, {"x\\\xC3\xA4.tex", 7, 8, false}};
    EXPECT_EQ(checkGameLimits(accented, nullptr), Lines{});
}

TEST_F(GameLimitsCheckTest, TheArchiveTheGameReadsFirstGivesTheCopyItUses) {
    // The game reads a folder's archives in reverse alphabetical order, ignoring ASCII case, and the first
    // copy of a name wins: "SE1_00_Extra.gro" comes before "SE1_00.gro" ('_' sorts after '.').
    made("m += [('Textures/Stock.tex',8), ('Textures/Extra.tex',8)]", "SE1_00.gro");
    made("m += [('Textures/Extra.tex',8)]", "SE1_00_Extra.gro");
    installation.StandardGroList.assign({"SE1_00.gro", "SE1_00_Extra.gro", "Gone.gro"}, false);
    installation.StandardFiles.assign({"Textures\\Stock.tex", "Textures\\Extra.tex"}, false);
    const std::string members = "m += [('textures/stock.tex',8), ('Textures/Extra.tex',8), ('Textures/Own.tex',8)]";
    EXPECT_EQ(check(made(members, "ZMap.gro"), &installation),
              (Lines{"Warning: textures\\stock.tex is also a standard file (in SE1_00.gro); the game reads ZMap.gro "
                     "first and uses this copy for every map, not just yours.",
                     "Warning: Textures\\Extra.tex is also a standard file (in SE1_00_Extra.gro); the game reads "
                     "ZMap.gro first and uses this copy for every map, not just yours."}));
    EXPECT_EQ(check(made(members, "Demo.gro"), &installation),
              (Lines{"Warning: textures\\stock.tex is also a standard file; the game reads SE1_00.gro first and uses "
                     "its copy, so the one in Demo.gro is never used. To have it used, rename the GRO to ZDemo.gro "
                     "(the game reads archives in reverse alphabetical order).",
                     "Warning: Textures\\Extra.tex is also a standard file; the game reads SE1_00_Extra.gro first and "
                     "uses its copy, so the one in Demo.gro is never used. To have it used, rename the GRO to "
                     "ZDemo.gro (the game reads archives in reverse alphabetical order)."}));
    EXPECT_EQ(check(made(members, "Demo.gro")), Lines{});
}

TEST_F(GameLimitsCheckTest, CompressedSounds) {
    EXPECT_EQ(check(made("m += [('Music/A.ogg',8), ('Music/B.mp3',0), ('Sounds/C.MP3',8), ('Sounds/D.wav',8)]")),
              (Lines{"Warning: Music\\A.ogg is compressed; the game plays only stored .ogg and .mp3 files.",
                     "Warning: Sounds\\C.MP3 is compressed; the game plays only stored .ogg and .mp3 files."}));
}

TEST_F(GameLimitsCheckTest, FilesTheGameUsesOnlyBesideTheArchive) {
    EXPECT_EQ(check(made("m += [('Bin/Entities.dll',8), ('ModExt.txt',8), ('Data/ModExt.txt',8)]")),
              (Lines{"Warning: Bin\\Entities.dll is in the GRO, where the game never uses it (the game loads libraries "
                     "only from plain files in Bin, never from a GRO); ship it beside the GRO instead.",
                     "Warning: ModExt.txt is in the GRO, where the game never uses it (the game reads it while "
                     "starting, before it opens any GRO); ship it beside the GRO instead."}));
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

using PackingCheckTest = testing::PackingFixture;

TEST_F(PackingCheckTest, WarningsFollowDoneAndComeBeforeTheClosingQuestion) {
    game("Textures/Stock.tex", "replacement");
    game("Textures/Own.tex", "own");
    AppState installation{root, {}, {}};
    installation.StandardFiles.append("Textures\\Stock.tex");
    check({"Textures\\Stock.tex", "Textures\\Own.tex", "Textures\\Gone.tex"});
    pack(out + "replacing.gro", &installation);
    const std::string warning = "Warning: Textures\\Stock.tex is also a standard file; its standard archive could "
                                "not be read to tell which copy the game uses.";
    EXPECT_EQ(screen.log, (Lines{"Checking file path... Exists.", "Checking file writability... OK!", "Setting up...",
                                 "Packing...", "  ERROR: File Textures\\Gone.tex was not found!", "Done.", warning}));
    EXPECT_EQ(dialogs.shown,
              (Lines{"The GRO may not work in the game as intended:\n" + warning, testing::kSomeMissing}));
    EXPECT_EQ(screen.busy, (std::vector<bool>{true, false}));
}

} // namespace
} // namespace korvane
