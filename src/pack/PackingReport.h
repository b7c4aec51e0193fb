// What a packing run tells its front end beyond the log, typed: the windows word it as message boxes, the
// command line as lines and an exit code.
#pragma once

#include <string>
#include <vector>

namespace korvane {

// Why a run stopped before the archive was complete.
enum class PackingStop {
    NoValidName,        // the destination names no file
    FolderNotCreated,   // its folder was absent and could not be made
    ReplacesPackedFile, // it is one of the files to be packed (detail: that entry)
    NotWritable,        // it cannot be written
    WriteFailed,        // writing the archive failed (detail: the destination)
    DiskFull,           // the disk filled while writing (detail: the destination)
    KeptArchive,        // it is a standard archive or the mod's own, never replaced (detail: the destination)
    NothingPacked,      // not a single file could be packed: the new archive was discarded
    Failed,             // any other failure (detail: the error's own text)
};

class PackingReport {
public:
    virtual ~PackingReport() = default;
    // The engine could not pack a file; its text is already in the log.
    virtual void fileFailed(const std::string& text) = 0;
    // The run stopped; nothing of a new archive is left.
    virtual void stopped(PackingStop stop, const std::string& detail) = 0;
    // The written archive breaks limits of the game's reader; each warning is already in the log.
    virtual void limitsBroken(const std::vector<std::string>& warnings) = 0;
    // The archive is complete but lacks some checked files. besideFiles: those left out because the game
    // needs them as plain files beside the archive (each already in the log).
    virtual void filesLeftOut(const std::vector<std::string>& besideFiles) = 0;
    // Every checked file was packed into the archive, which lies in the folder, but the beside files.
    virtual void packed(const std::string& folder, const std::vector<std::string>& besideFiles) = 0;
};

// The texts both front ends give a stop.
std::string stopMessage(PackingStop stop, const std::string& detail);
// The closing message of a complete archive lacking files, and the closing question of one with every file,
// each led by the note about the beside files when there are some.
std::string filesLeftOutMessage(const std::vector<std::string>& besideFiles);
std::string packedQuestion(const std::vector<std::string>& besideFiles);

} // namespace korvane
