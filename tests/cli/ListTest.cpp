// korvane list: its progress line, a failed opening, and names with control characters.
#include "CliFixture.h"

#include "cli/Console.h"
#include "cli/TerminalProgress.h"

#include <fcntl.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <optional>

namespace korvane::testing {
namespace {

using ListCommand = DemoInstallationTest;

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

TEST(TerminalProgressLine, WideNamesAreCutByTheColumnsTheyTake) {
    std::ostringstream out;
    cli::Console console{out, out, false};
    cli::TerminalProgress progress(console);
    std::string wide;
    for (int i = 0; i < 20; ++i) {
        wide += "坦";
    }
    progress.nameItems({"Textures\\" + wide + ".tex"}, 0);
    progress.setOverallPosition(0);
    progress.setOverallText("0 out of 1");
    // Counted from 1 whatever the run counts from. 29 of 30 columns: the counter, two spaces, the cut mark, five wide
    // characters and the extension.
    EXPECT_EQ(progress.line(30), "1 out of 1  ...坦坦坦坦坦.tex");
}

TEST_F(ListCommand, AFailedOpeningGivesTheEnginesMessageAndNumber) {
    const CliRun missing = korvane({"list", scratch_.root() + "None.gro"});
    EXPECT_EQ(missing.code, 1);
    EXPECT_EQ(missing.err, "File \"" + scratch_.root() + "None.gro\" not found - Native error: 00012\n");
}

// What the command line writes when its standard output is a pseudo-terminal; nothing without one.
std::optional<std::string> onATerminal(std::vector<std::string> words) {
    int master = -1;
    // What the parent has not written yet would otherwise be written by the child too.
    std::fflush(nullptr);
    const pid_t child = ::forkpty(&master, nullptr, nullptr, nullptr);
    if (child < 0) {
        return std::nullopt;
    }
    if (child == 0) {
        // Progress would be drawn on a terminal's standard error; only the names are wanted here.
        ::dup2(::open("/dev/null", O_WRONLY), STDERR_FILENO);
        std::vector<char*> argv;
        for (std::string& word : words) {
            argv.push_back(word.data());
        }
        ::_exit(cli::runCommandLine(static_cast<int>(argv.size()), argv.data()));
    }
    std::string shown;
    char buffer[256];
    for (ssize_t got = 0; (got = ::read(master, buffer, sizeof buffer)) > 0;) {
        shown.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(master);
    int status = 0;
    ::waitpid(child, &status, 0);
    // The terminal turns each line break into CR LF.
    std::erase(shown, '\r');
    return shown;
}

TEST_F(ListCommand, ControlCharactersInNamesAreEscapedOnATerminalOnly) {
    const std::string archive = scratch_.root() + "odd.gro";
    scratch_.write("make.py", "import sys,zipfile\n"
                              "with zipfile.ZipFile(sys.argv[1],'w') as z:\n"
                              "  for n in ['Odd/\\x1b[31mred.wav','Odd/two\\nlines.wav','Odd/\\x7f\\x01\\u009b.wav']:"
                              " z.writestr(n,b'x')\n");
    ASSERT_EQ(std::system(("python3 " + scratch_.root() + "make.py " + archive).c_str()), 0);
    EXPECT_EQ(korvane({"list", archive}).out, "Odd\\\x1b[31mred.wav\nOdd\\two\nlines.wav\nOdd\\\x7f\x01\xC2\x9B.wav\n");
    const auto shown = onATerminal({"korvane", "list", archive});
    if (!shown) {
        GTEST_SKIP() << "no pseudo-terminal";
    }
    EXPECT_EQ(*shown, "Odd\\^[[31mred.wav\nOdd\\two^Jlines.wav\nOdd\\^?^AM-^[.wav\n");
}

} // namespace
} // namespace korvane::testing
