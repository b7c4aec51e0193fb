// The start of a build without windows: a run without a command only says how to give one.
#include "Entry.h"
#include "cli/Command.h"
#include "cli/CommandLineMain.h"

#include <iostream>

namespace korvane {

bool wantsWindows(const std::vector<std::string>& words) {
    return !cli::wantsCommandLine(words);
}

int runWindows(int, char**) {
    std::cerr << "korvane: this build has no windows; 'korvane --help' lists its commands.\n";
    return cli::kExitUsage;
}

} // namespace korvane
