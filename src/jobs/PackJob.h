// "Pack this selection to this destination": what step 3's "Финиш" and korvane pack each run, in one call.
#pragma once

#include "pack/PackingRun.h"
#include "platform/GameFolders.h"
#include "platform/NameList.h"

#include <string>
#include <vector>

namespace korvane {

struct PackRequest {
    GameFolders folders;           // with the chosen mod's folder, if any
    std::vector<std::string> maps; // step 1's maps: archives named after them are the map maker's own
    std::string destination;       // as entered; ".gro" is added when it has no extension
    const NameList& files;         // the checked ones are packed
};

// The mod's archives must be readable for the check of the new archive: a failure is reported as a stop
// before anything is written.
PackingOutcome packSelection(const PackRequest& request, const PackingSeams& seams);

} // namespace korvane
