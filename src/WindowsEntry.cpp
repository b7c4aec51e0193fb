// The start of a build with windows: the main window (with a lone map in step 1), or the archive viewer for a
// lone archive path, both in the windows' own library, which is loaded only now.
#include "Entry.h"
#include "cli/Command.h"
#include "cli/CommandLineMain.h"
#include "cli/DroppedMap.h"
#include "platform/LoadedPart.h"
#include "platform/Terminal.h"

#include <iostream>

namespace korvane {

bool wantsWindows(const std::vector<std::string>& words) {
    const bool archiveToView = words.size() == 1 && isArchiveToView(words.front());
    // A map given alone starts a new archive with it in the main window.
    return archiveToView || cli::isDroppedMap(words) || !cli::wantsCommandLine(words);
}

int runWindows(int argc, char** argv) {
    std::string why;
    if (const auto code = runLoadedPart("korvane-windows.so", KORVANE_INSTALLED_WINDOWS, "korvaneRunWindows", argc,
                                        argv, why)) {
        return *code;
    }
    std::cerr << "korvane: the windows could not be loaded (" << why << "); 'korvane --help' lists the commands.\n";
    return cli::kExitFailed;
}

} // namespace korvane
