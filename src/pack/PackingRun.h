// The packing run: the checked files of the file list written into a new archive, one engine call per file,
// with every stage in the packing log.
#pragma once

#include <optional>
#include <string>

namespace korvane {

struct AppState;
class NameList;
class PackingEvents;
class PackingScreen;
class ProgressSink;
class Shell;
class TZipEngine;
class UserDialogs;

struct PackingSeams {
    TZipEngine& archiver;
    PackingEvents& events; // must be the answers bound to the archiver's events
    ProgressSink& progress;
    UserDialogs& dialogs;
    Shell& shell;
    PackingScreen& screen;
    // For the check of the written archive against the game's reader; none skips its standard-file rule.
    const AppState* installation = nullptr;
};

class PackingRun {
public:
    explicit PackingRun(const PackingSeams& seams);

    // installRoot is native and ends in the separator; destination is the text of DestinationPath.
    void run(const std::string& installRoot, const std::string& destination, const NameList& files);

private:
    bool prepareFolder(const std::string& destination);
    bool probeDestination(const std::string& installRoot, const std::string& destination, const NameList& files);
    void setUp(const std::string& installRoot);
    void packAll(const std::string& installRoot, const NameList& files);
    void packOne(const std::string& entry);
    void finish(const std::string& destination);
    void stop(const std::string& message);
    void missing(const std::string& entry, const char* what);

    PackingSeams seams_;
    bool filesMissing_ = false;
};

// The checked entry that names the existing destination file, if any.
std::optional<std::string> destinationAmongFiles(const std::string& installRoot, const std::string& destination,
                                                 const NameList& files);

} // namespace korvane
