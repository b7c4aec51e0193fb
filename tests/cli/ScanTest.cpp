// korvane scan: step 2's list for the demo maps, however the maps and the root are written.
#include "CliFixture.h"
#include "DeepCheckFixture.h"

#include <filesystem>

namespace korvane::testing {
namespace {

using ScanCommand = DemoInstallationTest;

TEST_F(ScanCommand, ListsWhatStepTwoListsAndReportsTheMissingFile) {
    const CliRun run = korvane({"scan", "--root", root(), "Levels\\DemoCastle.wld", "Levels\\DemoCanyon.wld"});
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.outLines(), expectedFiles());
    EXPECT_EQ(run.err, "Needed files that were not found:\n  Sounds\\Demo\\Drip.wav\n");
}

TEST_F(ScanCommand, MapsAndRootMayBeWrittenAsFileSystemPaths) {
    const std::string bare = root().substr(0, root().size() - 1);
    const auto here = std::filesystem::current_path();
    std::filesystem::current_path(root() + "Levels");
    const CliRun run = korvane({"scan", "--root", bare, "DemoCastle.wld", root() + "Levels/../Levels/DemoCanyon.wld",
                                "Levels/DemoCastle.wld"});
    std::filesystem::current_path(here);
    EXPECT_EQ(run.outLines(), expectedFiles());
    // The third operand names the first map again, as step 1 would report it.
    EXPECT_NE(run.err.find("Levels\\DemoCastle.wld is already in the list."), std::string::npos) << run.err;
    EXPECT_EQ(run.code, 1);
}

TEST_F(ScanCommand, MissingAndOutsideMapsGetTheWindowsMessages) {
    scratch_.write("Elsewhere/Other.wld", "BUIV");
    const CliRun run = korvane({"scan", "--root", root(), "Levels\\Gone.wld", scratch_.root() + "Elsewhere/Other.wld",
                                "Levels\\DemoCanyon.vis", "Levels\\DemoCastle.wld"});
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.err, "The files must reside inside the SS installation directory.\nIf you are sure that it's "
                       "there, then please check that the\npath is correctly defined in the Options menu.\n"
                       "Please choose .wld files only.\n"
                       "File Levels\\Gone.wld does not exist.\n");
    EXPECT_EQ(run.outLines().size(), 14u);
}

TEST_F(ScanCommand, TheStandardListMayComeFromAnotherFolder) {
    TempDir copy;
    std::filesystem::copy(root(), copy.path() / "install", std::filesystem::copy_options::recursive);
    const std::string copied = (copy.path() / "install").string();
    std::filesystem::rename(copied + "/Temp", copy.path() / "cache");

    const CliRun without = korvane({"scan", "--root", copied, "Levels\\DemoCastle.wld"});
    EXPECT_EQ(without.code, 1);
    EXPECT_EQ(without.err, "Standard GRO info was not found. It must be configured again.\nBuild it with: korvane "
                           "standard build --root " +
                               copied + " --preset se107\n");
    EXPECT_TRUE(without.out.empty());

    const CliRun with = korvane(
        {"scan", "--root", copied, "--standard-cache", (copy.path() / "cache").string(), "Levels\\DemoCastle.wld"});
    EXPECT_EQ(with.code, 0) << with.err;
    EXPECT_EQ(with.outLines().size(), 14u);
}

using DeepScanHintCommand = DeepCheckFixture;

TEST_F(DeepScanHintCommand, APlainScanSaysWhatTheDeepScanWouldAdd) {
    const CliRun plain = korvane({"scan", "--root", root, "Levels\\A.wld"});
    EXPECT_EQ(plain.outLines(), (std::vector<std::string>{"Models\\M.mdl", "Levels\\A.wld"}));
    EXPECT_EQ(plain.err, "1 more file is needed by the listed files; --deep adds them\n");
    const CliRun deep = korvane({"scan", "--root", root, "--deep", "Levels\\A.wld"});
    EXPECT_EQ(deep.outLines().size(), 3u);
    EXPECT_EQ(deep.err, "");
}

} // namespace
} // namespace korvane::testing
