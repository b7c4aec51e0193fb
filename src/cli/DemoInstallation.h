// Creates the demo installation: a small but complete game folder with two standard archives written by
// our own engine, two maps that exercise every kind of reference, a mod with a map of its own, and the
// standard list cache files.
#pragma once

#include "cli/Console.h"

#include <string>

namespace korvane::cli {

// dir must be missing or empty. Returns the installation root (absolute, ending in the separator); throws
// FileError or the engine's error when something cannot be written. The cache files are built through
// the dialogs; false in `complete` only if that reported a problem.
struct DemoResult {
    std::string installRoot;
    bool complete = false;
};
DemoResult createDemoInstallation(const std::string& dir, ConsoleDialogs& dialogs, ProgressSink& progress);

} // namespace korvane::cli
