// One sub-command of the command line: what it accepts, its help, and what it runs.
#pragma once

#include "cli/CommandLine.h"
#include "cli/Console.h"

namespace korvane::cli {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailed = 1; // the job ran, but something was missing or failed
inline constexpr int kExitUsage = 2;

struct Command {
    CommandSpec spec;
    const char* synopsis; // its usage and what it does, in the overall help
    const char* summary;
    const char* help; // the whole text of "korvane <command> --help"
    int (*run)(const ParsedCommand& parsed, Console& console);
};

const Command& scanCommand();
const Command& packCommand();
const Command& listCommand();
const Command& standardBuildCommand();
const Command& convertCommand();
const Command& demoCommand();
const Command& rootCommand();
const Command& checkCommand();
const Command& whyCommand();
const Command& previewCommand();

} // namespace korvane::cli
