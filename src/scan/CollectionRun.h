// The collection run's work between showing and hiding the loading window: each map scanned in list order,
// then the map itself and its companion files listed.
#pragma once

#include "platform/NameList.h"
#include "platform/ProgressSink.h"
#include "scan/FileReasons.h"
#include "scan/MissingList.h"

#include <functional>
#include <string>
#include <vector>

namespace korvane {

struct CollectionLists {
    const std::string& InstallRoot;
    NameList& FileList;
    const NameList& StandardFiles;
    MissingList& MissingFiles;
    // Follow every file the maps lead to, whatever its depth and type (off: the usual three levels).
    bool DeepScan = false;
    // The active mod's folder (native, ending in the separator), where names resolve first; empty for none.
    std::string ModFolder = {};
    // When given, why each listed file is listed (kept across runs: the caller empties it with the lists).
    FileReasons* Reasons = nullptr;
};

// What a run found, for the front ends to act on without reading its messages.
struct CollectionOutcome {
    std::vector<std::string> mapsNotFound; // listed maps that were not there, in list order
    int filesMissing = 0;                  // needed files that were not found, as listed in MissingFiles
    bool complete() const { return mapsNotFound.empty() && filesMissing == 0; }
};

// Told of a listed map that is gone, when the run reaches it.
using MapNotFound = std::function<void(const std::string& map)>;

// Appends to the lists (the caller empties them first). A vanished map is skipped, reported as the run
// reaches it and named in the outcome; a file that exists and cannot be opened throws FileError and ends the run.
CollectionOutcome collectDependencies(const CollectionLists& lists, const std::vector<std::string>& maps,
                                      ProgressSink& progress, const MapNotFound& mapNotFound = {});

// The map's thumbnail texture, thumbnail and visibility file, relative to the installation.
struct Companions {
    std::string thumbnailTexture;
    std::string thumbnail;
    std::string visibility;
};
Companions companionsOf(const std::string& mapName);

} // namespace korvane
