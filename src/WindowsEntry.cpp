// The start of a build with windows: the main window (with a lone map in step 1), or the archive viewer for a
// lone archive path.
#include "Entry.h"
#include "cli/CommandLineMain.h"
#include "cli/DroppedMap.h"
#include "platform/Terminal.h"

namespace korvane {

bool wantsWindows(const std::vector<std::string>& words) {
    const bool archiveToView = words.size() == 1 && isArchiveToView(words.front());
    // A map given alone starts a new archive with it in the main window.
    return archiveToView || cli::isDroppedMap(words) || !cli::wantsCommandLine(words);
}

} // namespace korvane
