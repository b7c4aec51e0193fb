// The headless side of the korvane executable.
#pragma once

#include "cli/Console.h"

#include <string>
#include <vector>

namespace korvane::cli {

// True when the words after the program's name ask for the command line rather than the windows: a
// sub-command's name or an option written with two dashes. No words, or the toolkit's own one-dash options,
// leave the windows to start.
bool wantsCommandLine(const std::vector<std::string>& words);

// Runs the sub-command the words name; returns the exit code (0, 1, or 2 for a usage error).
int runCommandLine(const std::vector<std::string>& words, Console& console);

// For main(): the process's own standard streams, progress shown when standard error is a terminal.
int runCommandLine(int argc, char** argv);

} // namespace korvane::cli
