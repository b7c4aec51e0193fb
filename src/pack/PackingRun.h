// The packing run: the checked files of the file list written into a new archive, one engine call per file,
// with every stage in the packing log.
#pragma once

#include "pack/PackingReport.h"
#include "platform/GameFolders.h"

#include <optional>
#include <string>
#include <vector>

namespace korvane {

struct AppState;
class NameList;
class PackingEvents;
class PackingReport;
class PackingScreen;
class ProgressSink;
class TZipEngine;

// How a run ended, for the front ends to act on without reading its messages.
enum class PackingOutcome {
    NotStarted,    // no valid destination, or its folder or file could not be prepared: nothing was written
    Refused,       // the destination is a standard archive or the mod's own, never replaced: nothing was written
    Failed,        // stopped while writing: the new archive was discarded
    NothingPacked, // no file could be packed: the new archive was discarded, an earlier one stays
    FilesMissing,  // written without some of the checked files (missing, unreadable or failed)
    Packed,        // every checked file packed (the check of the written archive may still have warned)
};

struct PackingSeams {
    TZipEngine& archiver;
    PackingEvents& events; // must be the answers bound to the archiver's events
    ProgressSink& progress;
    PackingScreen& screen;
    PackingReport& report;
    // For the check of the written archive against the game's reader; none skips its standard-file rule.
    const AppState* installation = nullptr;
    // The mod the archive is loaded with (its folder's name), empty for none; the check words its rules so.
    std::string modName = {};
    // Archives the run refuses to replace (full paths): the standard archives and the mod's own.
    std::vector<std::string> keptArchives = {};
};

class PackingRun {
public:
    explicit PackingRun(const PackingSeams& seams);

    // Each entry is packed from the folder the game reads it from (the mod's first) under its own name;
    // destination is the text of DestinationPath.
    PackingOutcome run(const GameFolders& folders, const std::string& destination, const NameList& files);

private:
    bool prepareFolder(const std::string& destination);
    bool probeDestination(const GameFolders& folders, const std::string& destination, const NameList& files);
    void setUp(const GameFolders& folders);
    void packAll(const GameFolders& folders, const NameList& files);
    void packOne(const std::string& folder, const std::string& entry);
    std::vector<const std::string*> compressAhead(const GameFolders& folders, const NameList& files);
    bool refuseKeptArchive(const std::string& destination);
    PackingOutcome finish(const std::string& destination);
    void stop(PackingStop stop, const std::string& detail = {});
    void missing(const std::string& entry, const char* what);

    PackingSeams seams_;
    bool filesMissing_ = false;
    int filesWritten_ = 0;
    std::vector<std::string> besideFiles_;
};

// The checked entry that names the existing destination file, if any.
std::optional<std::string> destinationAmongFiles(const GameFolders& folders, const std::string& destination,
                                                 const NameList& files);

} // namespace korvane
