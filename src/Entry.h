// How the program starts when no command is given: the windows, or a note in a build without them.
#pragma once

#include <string>
#include <vector>

namespace korvane {

// True when the words ask for the windows rather than a command: none, the toolkit's own options, or one
// archive to view.
bool wantsWindows(const std::vector<std::string>& words);

// Runs the windows until the main one closes; returns the exit code.
int runWindows(int argc, char** argv);

} // namespace korvane
