// What scan and pack share: the installation with its standard lists, the maps of the operands as step 1
// would list them, and the collection run over them.
#pragma once

#include "cli/CommandLine.h"
#include "cli/Console.h"
#include "platform/AppState.h"
#include "platform/GameFolders.h"
#include "platform/NameList.h"
#include "scan/CollectionRun.h"
#include "scan/MissingList.h"

namespace korvane::cli {

struct Collection {
    AppState state;
    NameList MapList;
    NameList FileList;
    MissingList MissingFiles;
    FileReasons Reasons;   // why each file of FileList is there
    bool DeepScan = false; // --deep
    std::string ModName;   // --mod, as spelled on disk; empty for none
    std::string ModFolder;

    GameFolders folders() const { return {state.InstallRoot, ModFolder}; }
};

// Reads --root, --mod and --standard-cache, loads the standard lists (with a mod's archives joining them) and
// adds the map operands; false (the messages written) when the lists are missing or unreadable or no map
// could be listed.
// destination is the archive about to be written, if any: an archive of the mod's folder that is the map
// maker's own stays out of the standard list.
bool prepareCollection(const ParsedCommand& parsed, Collection& collection, ConsoleDialogs& dialogs,
                       const std::string& destination = {});

// The mod's archives are loaded with it, so their members are as standard as the installation's own: adds
// them to the list. False (the engine's message written) when one cannot be read.
bool joinModArchives(NameList& standardFiles, const std::string& modFolder, const std::vector<std::string>& leaveOut,
                     ConsoleDialogs& dialogs);

// Runs the collection over MapList into FileList and MissingFiles, as "Далее >>" does.
CollectionOutcome collect(Collection& collection, ProgressSink& progress, ConsoleDialogs& dialogs);

// The lines of the missing-files dialog, each with the files that need it, on standard error.
void writeMissing(const Collection& collection, Console& console);

// After a plain collection, one line on standard error when the deep scan would list more files.
void writeDeepScanHint(const Collection& collection, Console& console);

} // namespace korvane::cli
