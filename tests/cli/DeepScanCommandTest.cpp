// --deep on korvane scan and pack: the chain through a model that the usual walk stops at.
#include "DeepCheckFixture.h"

namespace korvane::testing {
namespace {

using Lines = std::vector<std::string>;
using DeepScanCommand = DeepCheckFixture;

TEST_F(DeepScanCommand, ScanFollowsTheModelOnlyWhenAsked) {
    const CliRun deep = korvane({"scan", "--root", root, "--deep", "Levels\\A.wld"});
    EXPECT_EQ(deep.code, 0) << deep.err;
    EXPECT_EQ(deep.outLines(), (Lines{"Models\\M.mdl", "Models\\Skin.tex", "Levels\\A.wld"}));
    const CliRun plain = korvane({"scan", "--root", root, "Levels\\A.wld"});
    EXPECT_EQ(plain.outLines(), (Lines{"Models\\M.mdl", "Levels\\A.wld"}));
    EXPECT_EQ(plain.err, "1 more file is needed by the listed files; --deep adds them\n");
    EXPECT_EQ(deep.err, "");
}

TEST_F(DeepScanCommand, PackTakesTheWholeChainAndReportsAReplacedStandardFile) {
    const std::string output = root + "Out/deep.gro";
    dir.write("Out/.keep", "");
    const CliRun clean = korvane({"pack", "--root", root, "--output", output, "--deep", "Levels\\A.wld"});
    EXPECT_EQ(clean.code, 0) << clean.err;
    EXPECT_EQ(zipMethods(output),
              (std::map<std::string, int>{{"Levels/A.wld", 8}, {"Models/M.mdl", 8}, {"Models/Skin.tex", 8}}));
    EXPECT_EQ(clean.out.find("Warning:"), std::string::npos);

    const CliRun replacing = korvane(
        {"pack", "--root", root, "--output", output, "--deep", "--add", "Textures\\Stock.tex", "Levels\\A.wld"});
    EXPECT_EQ(replacing.code, 1);
    // The installation's SE1_00.gro is absent here, so the check cannot tell whose copy wins.
    const std::string warning = "Warning: Textures\\Stock.tex is also a standard file; its standard archive could "
                                "not be read to tell which copy the game uses.";
    const Lines lines = replacing.outLines();
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(Lines(lines.end() - 3, lines.end()), (Lines{"Done.", warning, "The gro has been successfully created."}));
    EXPECT_NE(replacing.err.find("The GRO may not work in the game as intended:\n" + warning), std::string::npos);
}

} // namespace
} // namespace korvane::testing
