#include "app/Application.h"
#include "cli/CommandLineMain.h"

#include <string>
#include <vector>

// A sub-command runs headless, before any part of the window toolkit is set up, so it needs no display.
int main(int argc, char** argv) {
    if (korvane::cli::wantsCommandLine(std::vector<std::string>(argv + 1, argv + argc))) {
        return korvane::cli::runCommandLine(argc, argv);
    }
    return korvane::runKorvane(argc, argv);
}
