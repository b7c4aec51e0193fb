// Creates the demo installation: a small but complete game folder with two standard archives written by
// our own engine, two maps that exercise every kind of reference, a mod with a map of its own, and the
// standard list cache files.
#pragma once

#include "cli/Console.h"

#include <string>

namespace korvane::cli {

// dir must be missing or empty. Returns the installation root (absolute, ending in the separator); throws
// FileError or the engine's error when something cannot be written. False in `complete` only if building the
// cache files reported a problem, on standard error.
struct DemoResult {
    std::string installRoot;
    bool complete = false;
};
DemoResult createDemoInstallation(const std::string& dir, Console& console, TerminalProgress& progress);

} // namespace korvane::cli
