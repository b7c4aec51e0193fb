// The start of a build with windows: the main window, or the archive viewer for a lone archive path.
#include "Entry.h"
#include "app/Application.h"
#include "app/ArchiveViewer.h"
#include "cli/CommandLineMain.h"

namespace korvane {

bool wantsWindows(const std::vector<std::string>& words) {
    const bool archiveToView = words.size() == 1 && isArchiveToView(words.front());
    return archiveToView || !cli::wantsCommandLine(words);
}

int runWindows(int argc, char** argv) {
    return runKorvane(argc, argv);
}

} // namespace korvane
