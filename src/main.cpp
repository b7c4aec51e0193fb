#include "app/Application.h"
#include "app/ArchiveViewer.h"
#include "cli/CommandLineMain.h"

#include <string>
#include <vector>

// A sub-command runs headless, before any part of the window toolkit is set up, so it needs no display. A lone
// archive path opens the archive viewer.
int main(int argc, char** argv) {
    const std::vector<std::string> words(argv + 1, argv + argc);
    const bool archiveToView = words.size() == 1 && korvane::isArchiveToView(words.front());
    if (!archiveToView && korvane::cli::wantsCommandLine(words)) {
        return korvane::cli::runCommandLine(argc, argv);
    }
    return korvane::runKorvane(argc, argv);
}
