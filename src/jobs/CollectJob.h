// "Collect these maps": what step 1's "Далее >>", korvane scan and korvane pack each run, in one call.
#pragma once

#include "platform/AppState.h"
#include "platform/GameFolders.h"
#include "platform/NameList.h"
#include "platform/ProgressSink.h"
#include "scan/CollectionRun.h"
#include "scan/MissingList.h"

#include <string>
#include <vector>

namespace korvane {

struct CollectRequest {
    const AppState& installation; // the root and its standard lists
    GameFolders folders;          // with the chosen mod's folder, if any
    std::vector<std::string> maps;
    bool deepScan = false;
    // The archive about to be written, if any: when it lies in the mod's folder it is the map maker's own, not
    // one of the mod's standard archives.
    std::string destination = {};
    MapNotFound mapNotFound = {};
    // When given, filled with why each listed file is listed (the caller empties it).
    FileReasons* reasons = nullptr;
};

struct CollectResult {
    // Empty when the run finished; else the error model's text of what ended it early (a mod archive or a
    // file that could not be read), the lists holding what was found until then.
    std::string failure;
    CollectionOutcome outcome;
    // After a collection without the deep scan, how many more files the deep scan would list.
    int deepScanWouldAdd = 0;

    bool finished() const { return failure.empty(); }
};

// The mod's archives are loaded with it, so their members count as standard (but the map maker's own).
// Throws what reading them throws.
NameList standardFilesFor(const CollectRequest& request);

// Empties the lists, then fills them as the collection finds the files the maps need.
CollectResult collectMaps(const CollectRequest& request, NameList& files, MissingList& missing, ProgressSink& progress);

} // namespace korvane
