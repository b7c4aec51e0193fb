// korvane list on the demo's standard archives and on files that are no archive.
#include "CliFixture.h"

#include "cli/Console.h"

namespace korvane::testing {
namespace {

using ListCommand = DemoInstallationTest;

TEST_F(ListCommand, MembersAreNamedAsTheStandardListHoldsThem) {
    const CliRun run = korvane({"list", root() + "SE1_00_Extra.gro"});
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.outLines(), (std::vector<std::string>{"Textures\\Extra\\Lava.tex", "Sounds\\Ambient\\Wind.ogg",
                                                        "Fonts\\Display.fnt"}));
    EXPECT_TRUE(run.err.empty());
}

TEST_F(ListCommand, ProgressIsDrawnOnlyOnATerminalAndClearedBeforeTheEnd) {
    for (const bool terminal : {false, true}) {
        std::ostringstream out;
        std::ostringstream err;
        cli::Console console{out, err, terminal};
        EXPECT_EQ(cli::runCommandLine({"list", root() + "SE1_00.gro"}, console), 0);
        EXPECT_EQ(splitLines(out.str()).size(), 6u);
        if (terminal) {
            EXPECT_EQ(err.str().rfind("\r\033[K"), err.str().size() - 4) << err.str();
        } else {
            EXPECT_TRUE(err.str().empty());
        }
    }
}

TEST_F(ListCommand, AFailedOpeningGivesTheEnginesMessageAndNumber) {
    const CliRun missing = korvane({"list", scratch_.root() + "None.gro"});
    EXPECT_EQ(missing.code, 1);
    EXPECT_EQ(missing.err, "File \"" + scratch_.root() + "None.gro\" not found - Native error: 00012\n");

    scratch_.write("Text.gro", "not an archive at all");
    const CliRun damaged = korvane({"list", scratch_.root() + "Text.gro"});
    EXPECT_EQ(damaged.code, 1);
    EXPECT_EQ(damaged.err, "Archive is damaged. Open failed - Native error: 00048\n");
    EXPECT_TRUE(damaged.out.empty());
}

} // namespace
} // namespace korvane::testing
