#include "pack/PackingRun.h"

#include "archive/ZipEngine.h"
#include "pack/DestinationPath.h"
#include "pack/GameLimitsCheck.h"
#include "pack/PackingEvents.h"
#include "pack/PackingScreen.h"
#include "platform/FileFacts.h"
#include "platform/GamePath.h"
#include "platform/NameList.h"
#include "platform/ProgressSink.h"
#include "platform/UserDialogs.h"

#include <filesystem>
#include <stdexcept>
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

bool packable(const std::string& installRoot, const std::string& entry) {
    return lookUpGameFile(installRoot, entry).status == GameFileStatus::Present;
}

} // namespace

std::optional<std::string> destinationAmongFiles(const std::string& installRoot, const std::string& destination,
                                                 const NameList& files) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(destination, error)) {
        return std::nullopt;
    }
    for (int i = 0; i < files.size(); ++i) {
        if (!files.checked(i) || !packable(installRoot, files.name(i))) {
            continue;
        }
        const auto source = resolveExisting(installRoot + files.name(i));
        if (source && std::filesystem::equivalent(*source, destination, error)) {
            return files.name(i);
        }
    }
    return std::nullopt;
}

PackingRun::PackingRun(const PackingSeams& seams) : seams_(seams) {}

void PackingRun::run(const std::string& installRoot, const std::string& entered, const NameList& files) {
    if (destinationName(entered).empty()) {
        seams_.dialogs.showMessage("Please choose a valid name and location for your GRO.");
        return;
    }
    const std::string destination = withGroExtension(entered);
    if (destination != entered) {
        seams_.screen.showDestination(destination);
    }
    seams_.screen.clearLog();
    seams_.screen.setBusy(true);
    filesMissing_ = false;
    seams_.archiver.SetCompressionMode(7);
    seams_.archiver.FileName = destination;
    if (!prepareFolder(destination) || !probeDestination(installRoot, destination, files)) {
        return;
    }
    try {
        setUp(installRoot);
        packAll(installRoot, files);
    } catch (const std::runtime_error& error) {
        // Raised, not reported: the engine has rolled the archive back to its last complete update.
        seams_.archiver.CloseArchive();
        seams_.screen.appendLine(std::string("Error:") + error.what());
        stop(error.what());
        return;
    }
    finish(destination);
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
    stop("Error: The path did not exist and could not be created!");
    return false;
}

bool PackingRun::probeDestination(const std::string& installRoot, const std::string& destination,
                                  const NameList& files) {
    seams_.screen.appendLine("Checking file writability...");
    // The probe empties the file it tries, so it must never be one of the files to pack.
    if (const auto entry = destinationAmongFiles(installRoot, destination, files)) {
        stop("Error: The GRO would replace " + *entry +
             ", which is one of the files to be packed.\nPlease choose another name or location for your GRO.");
        return false;
    }
    if (!probeWritable(destination)) {
        stop("Error: The file is not writable!");
        return false;
    }
    seams_.screen.extendLastLine(" OK!");
    return true;
}

void PackingRun::setUp(const std::string& installRoot) {
    seams_.screen.appendLine("Setting up...");
    auto& archiver = seams_.archiver;
    archiver.OpenArchive(0xFFFF);
    archiver.BaseDir = installRoot;
    archiver.NoCompressionMasks.clear();
    archiver.NoCompressionMasks.push_back("*.mp3");
    archiver.NoCompressionMasks.push_back("*.ogg");
}

void PackingRun::packAll(const std::string& installRoot, const NameList& files) {
    seams_.progress.setOverallMax(files.size());
    seams_.progress.setOverallPosition(0);
    seams_.progress.setCurrentPosition(0);
    seams_.screen.appendLine("Packing...");
    const RecurseOff exactFiles(seams_.archiver);
    for (int i = 0; i < files.size(); ++i) {
        if (!files.checked(i)) {
            continue;
        }
        const std::string& entry = files.name(i);
        // A name outside the installation never reaches the engine.
        if (!packable(installRoot, entry)) {
            missing(entry, " was not found!");
            continue;
        }
        seams_.progress.setOverallPosition(i);
        seams_.progress.setOverallText(outOf(i, files.size()));
        seams_.progress.processEvents();
        packOne(entry);
    }
}

void PackingRun::packOne(const std::string& entry) {
    seams_.events.startFile();
    seams_.archiver.AddFiles(entry, kPackedAttributes, "");
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

void PackingRun::finish(const std::string& destination) {
    seams_.screen.appendLine("Done.");
    seams_.archiver.CloseArchive();
    const std::vector<std::string> warnings = checkWrittenArchive(destination, seams_.installation);
    for (const std::string& warning : warnings) {
        seams_.screen.appendLine(warning);
    }
    seams_.screen.setBusy(false);
    if (!warnings.empty()) {
        seams_.dialogs.showMessage(gameLimitsMessage(warnings));
    }
    if (filesMissing_) {
        seams_.dialogs.showMessage("Some files could not be included in the GRO. See the log for details.");
        return;
    }
    if (seams_.dialogs.askYesNo("The gro has been successfully created.\nDo you wish to open the destination "
                                "directory?")) {
        seams_.shell.openFolder(destinationFolderPath(destination));
    }
}

void PackingRun::stop(const std::string& message) {
    seams_.dialogs.showMessage(message);
    seams_.screen.setBusy(false);
}

} // namespace korvane
