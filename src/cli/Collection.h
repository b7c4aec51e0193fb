// What scan and pack share: the installation with its standard lists, the maps of the operands as step 1
// would list them, and the collection over them.
#pragma once

#include "cli/CommandLine.h"
#include "cli/Console.h"
#include "jobs/CollectJob.h"
#include "platform/AppState.h"
#include "platform/GameFolders.h"
#include "platform/NameList.h"
#include "scan/ChosenFiles.h"
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
    bool choicesRefused = false; // a map or an added file was refused, each on a line of standard error

    GameFolders folders() const { return {state.InstallRoot, ModFolder}; }
};

// Reads --root (without it, finds the installation from the maps), --mod and --standard-cache, loads the standard lists
// and adds the map operands; false (the reason written) when the lists are missing or unreadable or no map could be
// listed.
bool prepareCollection(const ParsedCommand& parsed, Collection& collection, Console& console);

// Each refusal on its own line of standard error.
void writeRefusals(const std::vector<ChoiceRefused>& refused, Collection& collection, Console& console);

// Runs the collection over MapList into FileList and MissingFiles, as "Далее >>" does, and writes the maps that
// were gone and what ended the run early. destination is the archive about to be written, if any.
CollectResult collect(Collection& collection, TerminalProgress& progress, Console& console,
                      const std::string& destination = {});

// The lines of the missing-files dialog, each with the files that need it, on standard error.
void writeMissing(const Collection& collection, Console& console);

// After a plain collection, one line on standard error when the deep scan would list more files.
void writeDeepScanHint(int more, Console& console);

} // namespace korvane::cli
