// Parsing, dispatch, help and version: what every sub-command shares.
#include "CliFixture.h"

#include "cli/CommandLine.h"

namespace korvane::testing {
namespace {

using cli::CommandSpec;
using cli::parseCommand;
using cli::UsageError;

const CommandSpec kSpec{"pack", {{"--root"}, {"--add", true, true}, {"--force", false}}, 1, std::nullopt};

TEST(CommandLine, OptionsTakeTheirValueEitherWayAndRepeatOnlyWhereAllowed) {
    const auto parsed = parseCommand(kSpec, {"--root=/a b/", "m1", "--add", "x", "--add=y", "--force", "--", "--m2"});
    EXPECT_EQ(parsed.value("--root"), "/a b/");
    EXPECT_EQ(parsed.all("--add"), (std::vector<std::string>{"x", "y"}));
    EXPECT_TRUE(parsed.has("--force"));
    EXPECT_EQ(parsed.operands, (std::vector<std::string>{"m1", "--m2"}));

    EXPECT_THROW(parseCommand(kSpec, {"--root", "a", "--root", "b", "m"}), UsageError);
    EXPECT_THROW(parseCommand(kSpec, {"--rot", "a", "m"}), UsageError);
    EXPECT_THROW(parseCommand(kSpec, {"m", "--root"}), UsageError);
    EXPECT_THROW(parseCommand(kSpec, {"m", "--force=yes"}), UsageError);
    EXPECT_THROW(parseCommand(kSpec, {"--root", "a"}), UsageError);
    // Help needs no operands.
    EXPECT_TRUE(parseCommand(kSpec, {"--help"}).help);
}

TEST(CommandLine, WindowsStartWithoutWordsOrWithTheToolkitsOwnOptions) {
    EXPECT_FALSE(cli::wantsCommandLine({}));
    EXPECT_FALSE(cli::wantsCommandLine({"-platform", "offscreen"}));
    EXPECT_TRUE(cli::wantsCommandLine({"scan"}));
    EXPECT_TRUE(cli::wantsCommandLine({"--version"}));
    EXPECT_TRUE(cli::wantsCommandLine({"-h"}));
    EXPECT_TRUE(cli::wantsCommandLine({"frobnicate"}));
}

TEST(CommandLine, UsageErrorsExitWithTwoAndPointToTheHelp) {
    const CliRun unknown = korvane({"frobnicate"});
    EXPECT_EQ(unknown.code, 2);
    EXPECT_EQ(unknown.err, "korvane: unknown command frobnicate\nTry 'korvane --help'.\n");

    const CliRun noRoot = korvane({"standard", "build", "--preset", "auto"});
    EXPECT_EQ(noRoot.code, 2);
    EXPECT_EQ(noRoot.err, "korvane: option --root is required\nTry 'korvane standard build --help'.\n");
    EXPECT_EQ(korvane({"list"}).code, 2);
    EXPECT_EQ(korvane({"list", "a.gro", "b.gro"}).code, 2);
    EXPECT_EQ(korvane({"convert", "a.wld"}).code, 2);
    EXPECT_EQ(korvane({"standard"}).code, 2);
    EXPECT_EQ(korvane({"standard", "rebuild"}).code, 2);
    EXPECT_TRUE(unknown.out.empty());
}

TEST(CommandLine, EveryCommandHasHelpAndTheProgramItsVersion) {
    const CliRun overall = korvane({"--help"});
    EXPECT_EQ(overall.code, 0);
    for (const std::string command : {"scan", "pack", "list", "standard build", "convert", "demo", "root"}) {
        EXPECT_NE(overall.out.find("  " + command + " "), std::string::npos) << command;
        std::vector<std::string> words;
        std::istringstream split(command);
        for (std::string word; split >> word;) {
            words.push_back(word);
        }
        words.push_back("--help");
        const CliRun help = korvane(words);
        EXPECT_EQ(help.code, 0) << command;
        EXPECT_EQ(help.out.rfind("Usage: korvane " + command, 0), 0u) << help.out;
        EXPECT_NE(help.out.find("Exit status:"), std::string::npos) << command;
    }
    const CliRun version = korvane({"--version"});
    EXPECT_EQ(version.code, 0);
    EXPECT_EQ(version.out, "korvane 1.5\n");
}

TEST(CommandLine, ARootWithoutTheGameIsRefused) {
    TempDir folder;
    const CliRun run = korvane({"scan", "--root", folder.root(), "Levels\\A.wld"});
    EXPECT_EQ(run.code, 2);
    EXPECT_NE(run.err.find("Please select a valid installation folder."), std::string::npos) << run.err;
}

} // namespace
} // namespace korvane::testing
