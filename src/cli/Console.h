// Where a headless run writes: results on standard output, messages and progress on standard error.
#pragma once

#include "cli/TerminalProgress.h"

#include <ostream>

namespace korvane::cli {

struct Console {
    std::ostream& out;
    std::ostream& err;
    // Progress is drawn only when standard error is a terminal.
    bool progressOnTerminal = false;
    // Names on standard output are shown with control characters escaped when it is a terminal.
    bool outOnTerminal = false;
};

} // namespace korvane::cli
