#include "pack/PackingRun.h"

#include "archive/ArchiveWriteError.h"
#include "archive/ZipEngine.h"
#include "pack/DestinationPath.h"
#include "pack/GameLimitsCheck.h"
#include "pack/PackingEvents.h"
#include "pack/PackingMessages.h"
#include "pack/PackingScreen.h"
#include "platform/FileFacts.h"
#include "platform/FileHandle.h"
#include "platform/GamePath.h"
#include "platform/ListingRun.h"
#include "platform/NameList.h"
#include "platform/ProgressSink.h"
#include "platform/UserError.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

namespace korvane {

namespace {

// Every file attribute but the directory.
constexpr std::uint16_t kPackedAttributes = 47;

// One call takes exactly its own file: without this, a call also takes files of the same relative name from
// every sub-folder, and a name at the root takes its namesakes from the whole installation.
class RecurseOff {
public:
    explicit RecurseOff(TZipEngine& archiver) : archiver_(archiver), saved_(archiver.Options.Recurse) {
        archiver_.Options.Recurse = false;
    }
    ~RecurseOff() { archiver_.Options.Recurse = saved_; }
    RecurseOff(const RecurseOff&) = delete;
    RecurseOff& operator=(const RecurseOff&) = delete;

private:
    TZipEngine& archiver_;
    bool saved_;
};

// The stored name the engine gives a game path, which the engine's reader must accept.
std::string storedFormOf(std::string entry) {
    std::replace(entry.begin(), entry.end(), '\\', '/');
    return entry;
}

const std::string kNameTooLong = " has a name longer than " + std::to_string(kMaxStoredNameLength) + " bytes!";

bool sameFile(const std::string& destination, const std::string& kept) {
    std::error_code error;
    const auto existing = resolveExisting(kept);
    if (existing && sameFileOnDisk(*existing, destination)) {
        return true;
    }
    return std::filesystem::weakly_canonical(destination, error) ==
           std::filesystem::weakly_canonical(existing.value_or(std::filesystem::path(kept)), error);
}

} // namespace

std::optional<std::string> destinationAmongFiles(const GameFolders& folders, const std::string& destination,
                                                 const NameList& files) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(destination, error)) {
        return std::nullopt;
    }
    for (int i = 0; i < files.size(); ++i) {
        if (!files.checked(i)) {
            continue;
        }
        const GameFile source = folders.lookUp(files.name(i)).file;
        if (source.status == GameFileStatus::Present && sameFileOnDisk(source.path, destination)) {
            return files.name(i);
        }
    }
    return std::nullopt;
}

PackingRun::PackingRun(const PackingSeams& seams) : seams_(seams) {}

PackingOutcome PackingRun::run(const GameFolders& folders, const std::string& entered, const NameList& files) {
    if (destinationName(entered).empty()) {
        seams_.report.stopped(PackingStop::NoValidName, {});
        return PackingOutcome::NotStarted;
    }
    const std::string destination = withGroExtension(entered);
    if (destination != entered) {
        seams_.screen.showDestination(destination);
    }
    seams_.screen.clearLog();
    seams_.screen.setBusy(true);
    filesMissing_ = false;
    besideFiles_.clear();
    filesWritten_ = 0;
    if (refuseKeptArchive(destination)) {
        return PackingOutcome::Refused;
    }
    seams_.archiver.SetCompressionMode(7);
    seams_.archiver.FileName = destination;
    if (!prepareFolder(destination) || !probeDestination(folders, destination, files)) {
        return PackingOutcome::NotStarted;
    }
    // Until the commit the new archive is written aside: closing it on any stop discards it whole.
    try {
        setUp(folders);
        packAll(folders, files);
        seams_.screen.appendLine("Done.");
        // An archive without a single file must not take the place of the one that is there.
        if (filesWritten_ == 0) {
            seams_.archiver.CloseArchive();
            seams_.screen.appendLine(stopMessage(PackingStop::NothingPacked, {}));
            stop(PackingStop::NothingPacked);
            return PackingOutcome::NothingPacked;
        }
        seams_.archiver.CommitArchive();
    } catch (const ArchiveWriteError& error) {
        seams_.archiver.CloseArchive();
        const PackingStop why = error.diskFull() ? PackingStop::DiskFull : PackingStop::WriteFailed;
        seams_.screen.appendLine(stopMessage(why, destination));
        stop(why, destination);
        return PackingOutcome::Failed;
    } catch (...) {
        seams_.archiver.CloseArchive();
        const std::string message = userMessageOf(std::current_exception());
        seams_.screen.appendLine("Error:" + message);
        stop(PackingStop::Failed, message);
        return PackingOutcome::Failed;
    }
    return finish(destination);
}

bool PackingRun::refuseKeptArchive(const std::string& destination) {
    const auto& kept = seams_.keptArchives;
    if (std::none_of(kept.begin(), kept.end(), [&](const std::string& path) { return sameFile(destination, path); })) {
        return false;
    }
    stop(PackingStop::KeptArchive, destination);
    return true;
}

bool PackingRun::prepareFolder(const std::string& destination) {
    seams_.screen.appendLine("Checking file path...");
    const std::string folder = destinationFolder(destination);
    std::error_code error;
    if (std::filesystem::is_directory(folder, error)) {
        seams_.screen.extendLastLine(" Exists.");
        return true;
    }
    if (!folder.empty() && createFolder(folder)) {
        seams_.screen.extendLastLine(" Created.");
        return true;
    }
    stop(PackingStop::FolderNotCreated);
    return false;
}

bool PackingRun::probeDestination(const GameFolders& folders, const std::string& destination, const NameList& files) {
    seams_.screen.appendLine("Checking file writability...");
    // An archive that replaces one of its own files would pack that file's old contents.
    if (const auto entry = destinationAmongFiles(folders, destination, files)) {
        stop(PackingStop::ReplacesPackedFile, *entry);
        return false;
    }
    if (!probeWritable(destination)) {
        stop(PackingStop::NotWritable);
        return false;
    }
    seams_.screen.extendLastLine(" OK!");
    return true;
}

void PackingRun::setUp(const GameFolders& folders) {
    seams_.screen.appendLine("Setting up...");
    auto& archiver = seams_.archiver;
    archiver.CreateArchiveAside();
    archiver.BaseDir = folders.installRoot();
    archiver.Options.ConfineToBaseDir = true;
    archiver.NoCompressionMasks.clear();
    archiver.NoCompressionMasks.push_back("*.mp3");
    archiver.NoCompressionMasks.push_back("*.ogg");
}

void PackingRun::packAll(const GameFolders& folders, const NameList& files) {
    seams_.progress.setOverallMax(files.size());
    seams_.progress.setOverallPosition(0);
    seams_.progress.setCurrentPosition(0);
    seams_.screen.appendLine("Packing...");
    const RecurseOff exactFiles(seams_.archiver);
    // Each folder is read once for the whole run, however many of its files are packed.
    const ListingRun listings;
    const auto readFrom = compressAhead(folders, files);
    for (int i = 0; i < files.size(); ++i) {
        if (!files.checked(i)) {
            continue;
        }
        const std::string& entry = files.name(i);
        // A name outside the installation never reaches the engine.
        const std::string* folder = readFrom[static_cast<std::size_t>(i)];
        if (folder == nullptr) {
            missing(entry, " was not found!");
            continue;
        }
        if (const auto reason = besideReason(entry)) {
            besideFiles_.push_back(entry);
            seams_.screen.appendLine(besideLogLine(entry, *reason));
            continue;
        }
        if (!TZEBaseArchiver::StoredNameFits(storedFormOf(entry))) {
            missing(entry, kNameTooLong.c_str());
            continue;
        }
        seams_.progress.setOverallPosition(i);
        seams_.progress.setOverallText(outOf(i, files.size()));
        seams_.progress.processEvents();
        packOne(*folder, entry);
    }
}

// The files to pack, deflated on a second core while the ones before them are written. Each checked file is
// looked up once for the run: the answer is the folder it is read from (one of the run's folders), none when
// it is absent.
std::vector<const std::string*> PackingRun::compressAhead(const GameFolders& folders, const NameList& files) {
    std::vector<const std::string*> readFrom(static_cast<std::size_t>(files.size()), nullptr);
    std::vector<TZEAheadFile> ahead;
    for (int i = 0; i < files.size(); ++i) {
        if (!files.checked(i)) {
            continue;
        }
        const auto found = folders.lookUp(files.name(i));
        if (found.file.status != GameFileStatus::Present) {
            continue;
        }
        if (!besideReason(files.name(i))) {
            ahead.push_back({found.file.path.string(), found.folder});
        }
        readFrom[static_cast<std::size_t>(i)] = &found.folder;
    }
    seams_.archiver.CompressAhead(std::move(ahead));
    return readFrom;
}

void PackingRun::packOne(const std::string& folder, const std::string& entry) {
    seams_.events.startFile();
    // The name is stored relative to the folder it is read from, so a mod's file keeps the name the game
    // looks it up by.
    seams_.archiver.BaseDir = folder;
    seams_.archiver.AddFiles(entry, kPackedAttributes, "");
    if (seams_.events.fileWritten()) {
        ++filesWritten_;
    }
    if (seams_.events.fileFailed()) {
        filesMissing_ = true;
    } else if (!seams_.events.fileWritten()) {
        // Skipped without a report, for instance for its attributes.
        missing(entry, " was not added!");
    }
}

void PackingRun::missing(const std::string& entry, const char* what) {
    filesMissing_ = true;
    seams_.screen.appendLine("  ERROR: File " + entry + what);
}

PackingOutcome PackingRun::finish(const std::string& destination) {
    const std::vector<std::string> warnings = checkWrittenArchive(destination, seams_.installation, seams_.modName);
    for (const std::string& warning : warnings) {
        seams_.screen.appendLine(warning);
    }
    seams_.screen.setBusy(false);
    if (!warnings.empty()) {
        seams_.report.limitsBroken(warnings);
    }
    if (filesMissing_) {
        seams_.report.filesLeftOut(besideFiles_);
        return PackingOutcome::FilesMissing;
    }
    seams_.report.packed(destinationFolderPath(destination), besideFiles_);
    return PackingOutcome::Packed;
}

void PackingRun::stop(PackingStop stop, const std::string& detail) {
    seams_.report.stopped(stop, detail);
    seams_.screen.setBusy(false);
}

} // namespace korvane
