// What scan and pack share: the installation with its standard lists, the maps of the operands as step 1
// would list them, and the collection run over them.
#pragma once

#include "cli/CommandLine.h"
#include "cli/Console.h"
#include "platform/NameList.h"
#include "scan/MissingList.h"
#include "settings/AppState.h"

namespace korvane::cli {

struct Collection {
    AppState state;
    NameList MapList;
    NameList FileList;
    MissingList MissingFiles;
    bool DeepScan = false; // --deep
};

// Reads --root and --standard-cache, loads the standard lists and adds the map operands; false (the
// messages written) when the lists are missing or no map could be listed.
bool prepareCollection(const ParsedCommand& parsed, Collection& collection, ConsoleDialogs& dialogs);

// Runs the collection over MapList into FileList and MissingFiles, as "Далее >>" does.
void collect(Collection& collection, ProgressSink& progress, ConsoleDialogs& dialogs);

// The lines of the missing-files dialog, on standard error.
void writeMissing(const MissingList& missing, Console& console);

// After a plain collection, one line on standard error when the deep scan would list more files.
void writeDeepScanHint(const Collection& collection, Console& console);

} // namespace korvane::cli
