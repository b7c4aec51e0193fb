// korvane check: any archive against the game's limits, with the installation's standard list on request.
#include "DeepCheckFixture.h"

#include <cstdlib>

namespace korvane::testing {
namespace {

using Lines = std::vector<std::string>;
using CheckCommand = DeepCheckFixture;

TEST_F(CheckCommand, ACleanArchivePassesAndAFaultyOneFailsWithEachProblem) {
    const std::string packed = root + "Out/clean.gro";
    dir.write("Out/.keep", "");
    ASSERT_EQ(korvane({"pack", "--root", root, "--output", packed, "Levels\\A.wld"}).code, 0);
    const CliRun clean = korvane({"check", packed, "--root", root});
    EXPECT_EQ(clean.code, 0) << clean.err;
    EXPECT_EQ(clean.out, "No problems found.\n");

    const std::string faulty = root + "Out/faulty.gro";
    const std::string script = "import zipfile; z=zipfile.ZipFile('" + faulty +
                               "','w'); z.writestr('Music/A.ogg', b'x'*99, zipfile.ZIP_DEFLATED); "
                               "z.writestr('textures/stock.tex', b'x'); z.close()";
    ASSERT_EQ(std::system(("python3 -c \"" + script + "\"").c_str()), 0);
    const CliRun withRoot = korvane({"check", "--root", root, faulty});
    EXPECT_EQ(withRoot.code, 1);
    EXPECT_EQ(withRoot.outLines(),
              (Lines{"Warning: Music\\A.ogg is compressed; the game plays only stored .ogg and .mp3 files.",
                     "Warning: textures\\stock.tex is also a standard file; its standard archive could not be read "
                     "to tell which copy the game uses."}));
    // Without an installation there is no standard list to compare with.
    const CliRun alone = korvane({"check", faulty});
    EXPECT_EQ(alone.code, 1);
    EXPECT_EQ(alone.outLines().size(), 1u);
}

TEST_F(CheckCommand, UnreadableArchivesAndUsage) {
    dir.write("broken.gro", "not an archive");
    const CliRun broken = korvane({"check", root + "broken.gro"});
    EXPECT_EQ(broken.code, 1);
    EXPECT_TRUE(broken.out.empty());
    EXPECT_NE(broken.err.find("Archive is damaged. Open failed"), std::string::npos) << broken.err;
    EXPECT_EQ(korvane({"check"}).code, 2);
    EXPECT_EQ(korvane({"check", "a.gro", "b.gro"}).code, 2);
    const CliRun noCache = korvane({"check", "--root", root + "Levels", root + "broken.gro"});
    EXPECT_EQ(noCache.code, 2) << noCache.err;
}

} // namespace
} // namespace korvane::testing
