#include "Entry.h"
#include "cli/CommandLineMain.h"

#include <string>
#include <vector>

// A command runs headless, before any part of the window toolkit is set up, so it needs no display.
int main(int argc, char** argv) {
    const std::vector<std::string> words(argv + 1, argv + argc);
    if (korvane::wantsWindows(words)) {
        return korvane::runWindows(argc, argv);
    }
    return korvane::cli::runCommandLine(argc, argv);
}
