#include "GameBytes.h"
#include "ScannerFixture.h"

#include "platform/FileError.h"
#include "support/ExpectError.h"
#include "support/ReadFault.h"

#include <sys/stat.h>

#include <utility>

namespace korvane {
namespace {

using Names = std::vector<std::string>;
using testing::dfnm;
using testing::padTo;
using testing::zeros;

class ReferenceScannerTest : public testing::ScannerFixture {};

TEST_F(ReferenceScannerTest, FollowsNamesDepthFirstByExtension) {
    install.write("Levels/Map.wld", zeros(10) + dfnm("Scripts\\a.txt") + dfnm("Models\\b.smc") + dfnm("x.wav"));
    install.write("Scripts/a.txt", "TFNM Textures\\t1.tex\r\nTFNM Scripts\\c.txt\r\nTFNM d.smc\r\n");
    install.write("Textures/t1.tex", zeros(200) + dfnm("Textures\\inner.tex") + zeros(20));
    install.write("Models/b.smc", "  MESH TFNM \"Models\\b.bm\";\n  TEXTURE TFNM \"Models\\b.tex\";\n");
    install.write("Models/b.tex", zeros(130) + dfnm("Models\\deep.txt"));
    for (const char* name : {"Textures/inner.tex", "Scripts/c.txt", "d.smc", "x.wav", "Models/b.bm"}) {
        // Followed files would name this; the follow-up table stops before reading them.
        install.write(name, "TFNM never.tex\n" + dfnm("never.tex"));
    }
    scanMap("Levels\\Map.wld");
    EXPECT_EQ(listed(), (Names{"Scripts\\a.txt", "Textures\\t1.tex", "Textures\\inner.tex", "Scripts\\c.txt", "d.smc",
                               "Models\\b.smc", "Models\\b.bm", "Models\\b.tex", "Models\\deep.txt", "x.wav"}));
    EXPECT_EQ(reported(), Names{"Models\\deep.txt"});
    for (int i = 0; i < files.size(); ++i) {
        EXPECT_TRUE(files.checked(i));
    }
}

TEST_F(ReferenceScannerTest, FindsRecordsAcrossTheReadersRefills) {
    const std::size_t mebibyte = std::size_t{1} << 20;
    std::string map = padTo(dfnm("start.wav"), mebibyte - 5) + dfnm("across.wav");
    map = padTo(map, mebibyte + 1024 - 3) + dfnm(std::string(255, 'n'));
    install.write("big.wld", map + zeros(10));
    scanMap("big.wld");
    EXPECT_EQ(listed(), (Names{"start.wav", "across.wav", std::string(255, 'n')}));
}

TEST_F(ReferenceScannerTest, EachNameListedOnceIgnoringCaseWhichEndsLoops) {
    install.write("m.wld", dfnm("a.txt") + dfnm("A.TXT") + dfnm("T\\x.tex") + dfnm("t\\X.TEX"));
    // The text names the texture the map names, and the texture names the text; a texture found in a texture
    // is listed but never read.
    install.write("a.txt", "TFNM T\\X.tex\nTFNM T\\y.tex\n");
    install.write("T/x.tex", dfnm("a.txt") + dfnm("T\\y.tex"));
    install.write("T/y.tex", dfnm("A.txt") + dfnm("m.wld"));
    scanMap("m.wld");
    EXPECT_EQ(listed(), (Names{"a.txt", "T\\X.tex", "T\\y.tex"}));
    EXPECT_TRUE(reported().empty());
}

TEST_F(ReferenceScannerTest, StandardNamesAreNeitherListedTestedNorScanned) {
    standard.assign({"Textures\\Std.tex", "scripts\\std.txt", "Missing\\Gone.wav"}, true);
    install.write("Scripts/Std.txt", "TFNM Textures\\NotSeen.tex\n");
    install.write("m.wld",
                  dfnm("textures\\std.TEX") + dfnm("Scripts\\Std.txt") + dfnm("missing\\gone.wav") + dfnm("own.wav"));
    install.write("own.wav", "");
    scanMap("m.wld");
    EXPECT_EQ(listed(), Names{"own.wav"});
    EXPECT_TRUE(reported().empty());
}

TEST_F(ReferenceScannerTest, MissingTextIsListedAndReportedOnce) {
    install.write("a.wld", dfnm("Scripts\\Gone.txt") + dfnm("T\\gone.tex") + dfnm("scripts\\gone.TXT"));
    install.write("b.wld", dfnm("t\\GONE.tex"));
    scanMap("a.wld");
    scanMap("b.wld");
    EXPECT_EQ(listed(), (Names{"Scripts\\Gone.txt", "T\\gone.tex"}));
    EXPECT_EQ(reported(), (Names{"Scripts\\Gone.txt", "T\\gone.tex"}));
}

TEST_F(ReferenceScannerTest, NamesThatClimbOrLeaveAreMissingWithTheirReasonAndNeverRead) {
    testing::TempDir outside;
    outside.write("evil.txt", "TFNM leaked.wav\n");
    install.write("x.txt", "TFNM leaked.wav\n");
    install.write("Sources/WorldEditor/keep", "");
    install.write("Textures/Inside/own.txt", "TFNM own.wav\n");
    std::filesystem::create_directory_symlink(outside.path(), root + "Textures/Outside");
    std::filesystem::create_directory_symlink(root + "Textures/Inside", root + "Textures/Linked");
    install.write("m.wld", dfnm("Sources\\WorldEditor\\..\\..\\x.txt") + dfnm("Textures\\Outside\\evil.txt") +
                               dfnm("C:\\evil.txt") + dfnm("Textures\\Linked\\own.txt"));
    scanMap("m.wld");
    EXPECT_EQ(listed(), (Names{"Sources\\WorldEditor\\..\\..\\x.txt", "Textures\\Outside\\evil.txt", "C:\\evil.txt",
                               "Textures\\Linked\\own.txt", "own.wav"}));
    EXPECT_EQ(missing.lines(),
              (Names{"Sources\\WorldEditor\\..\\..\\x.txt  (the name steps up a folder with \"..\", which the game "
                     "cannot find in a GRO; the map must name the file by its own path)",
                     "Textures\\Outside\\evil.txt  (a link leads out of the game folder)",
                     "C:\\evil.txt  (not a name inside the game folder)", "own.wav"}));
}

TEST_F(ReferenceScannerTest, TextureTailWindowSeesItsFirstPositionNotItsLastFour) {
    // Found: a record starting exactly 128 bytes before the end. Ignored: one before the window.
    const std::string first = dfnm("abc.wav") + zeros(128 - 15);
    install.write("first.tex", dfnm("before.wav") + first);
    // Marker in the last four bytes: never a record.
    install.write("last.tex", zeros(200) + "DFNM");
    // A record whose name runs past the end yields nothing.
    install.write("cut.tex", zeros(200) + dfnm("long.wav").substr(0, 14));
    // Shorter than the window: scanned whole.
    install.write("short.tex", dfnm("s.wav") + "xy");
    install.write("m.wld", dfnm("first.tex") + dfnm("last.tex") + dfnm("cut.tex") + dfnm("short.tex"));
    scanMap("m.wld");
    EXPECT_EQ(listed(), (Names{"first.tex", "abc.wav", "last.tex", "cut.tex", "short.tex", "s.wav"}));
}

TEST_F(ReferenceScannerTest, AnsiNamesBecomeUtf8) {
    // "Текстуры\Стена.tex" in Windows-1251.
    const std::string ansi = "\xD2\xE5\xEA\xF1\xF2\xF3\xF0\xFB\\\xD1\xF2\xE5\xED\xE0.tex";
    install.write("Текстуры/Стена.tex", zeros(128));
    install.write("m.wld", dfnm(ansi));
    scanMap("m.wld");
    EXPECT_EQ(listed(), Names{"Текстуры\\Стена.tex"});
    EXPECT_TRUE(reported().empty());
}

TEST_F(ReferenceScannerTest, AFileThatExistsButCannotBeOpenedEndsTheScan) {
    install.write("m.wld", dfnm("first.wav") + dfnm("pipe.txt") + dfnm("after.wav"));
    install.write("first.wav", "");
    ASSERT_EQ(::mkfifo((root + "pipe.txt").c_str(), 0600), 0);
    testing::expectError<FileError>([&] { scanMap("m.wld"); }, "Cannot open file " + root + "pipe.txt");
    EXPECT_EQ(listed(), (Names{"first.wav", "pipe.txt"}));
    EXPECT_THROW(scanMap("pipe.txt"), FileError);
}

TEST_F(ReferenceScannerTest, AFileThatCannotBeReadIsMissingWithTheReasonAndTheScanGoesOn) {
    install.write("m.wld", dfnm("bad.tex") + dfnm("bad.txt") + dfnm("after.wav"));
    install.write("bad.tex", zeros(200) + dfnm("never.wav"));
    install.write("bad.txt", "TFNM never.wav\n");
    install.write("after.wav", "");
    {
        const testing::ReadFault fault("/bad.");
        scanMap("m.wld");
    }
    EXPECT_EQ(listed(), (Names{"bad.tex", "bad.txt", "after.wav"}));
    const std::string reason = "  (it could not be read: Input/output error)";
    EXPECT_EQ(missing.lines(), (Names{"bad.tex" + reason, "bad.txt" + reason}));
    // A map whose reads fail is not taken for a map that ends early.
    const testing::ReadFault fault("m.wld");
    scanMap("m.wld");
    EXPECT_EQ(missing.lines(), (Names{"bad.tex" + reason, "bad.txt" + reason, "m.wld" + reason}));
}

} // namespace
} // namespace korvane
