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
    EXPECT_EQ(run.err,
              "Needed files that were not found:\n  Sounds\\Demo\\Drip.wav  (needed by Levels\\DemoCanyon.wld)\n");
}

TEST_F(ScanCommand, WhyGivesEachFileItsRuleAndChainAndWhyNameFindsEveryChain) {
    const CliRun run = korvane({"scan", "--why", "--root", root(), "Levels\\DemoCastle.wld"});
    const std::vector<std::string> lines = run.outLines();
    ASSERT_EQ(lines.size(), 14u);
    EXPECT_EQ(lines[1], "Textures\\Demo\\CastleWallDetail.tex\tnamed\tLevels\\DemoCastle.wld\t"
                        "Textures\\Demo\\CastleWall.tex\tTextures\\Demo\\CastleWallDetail.tex");
    EXPECT_EQ(lines[11], "Levels\\DemoCastle.wld\tmap\tLevels\\DemoCastle.wld");
    EXPECT_EQ(lines[12],
              "Levels\\DemoCastleTbn.tex\tthumbnail-texture\tLevels\\DemoCastle.wld\tLevels\\DemoCastleTbn.tex");

    const CliRun why =
        korvane({"why", "--root", root(), "textures/demo/castlewalldetail.tex", "Levels\\DemoCastle.wld"});
    EXPECT_EQ(why.code, 0);
    EXPECT_EQ(why.out,
              "Levels\\DemoCastle.wld\tTextures\\Demo\\CastleWall.tex\tTextures\\Demo\\CastleWallDetail.tex\n");
    const CliRun none = korvane({"why", "--root", root(), "Textures\\Nope.tex", "Levels\\DemoCastle.wld"});
    EXPECT_EQ(none.code, 1);
    EXPECT_EQ(none.err, "No file the maps lead to names Textures\\Nope.tex.\n");
    EXPECT_EQ(korvane({"why", "--root", root(), "Textures\\Nope.tex"}).code, 2);
}

TEST_F(ScanCommand, PreviewWritesATextureAsPngAndRefusesOtherFiles) {
    const std::string png = scratch_.root() + "castle.png";
    const CliRun run = korvane({"preview", root() + "Levels/DemoCastleTbn.tex", png});
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_TRUE(std::filesystem::exists(png));
    const CliRun refused = korvane({"preview", root() + "Levels/DemoCastle.wld", png + "2"});
    EXPECT_EQ(refused.code, 1);
    EXPECT_FALSE(std::filesystem::exists(png + "2"));
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
}

} // namespace
} // namespace korvane::testing
