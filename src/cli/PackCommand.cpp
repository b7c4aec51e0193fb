// korvane pack: the collection run and the packing run of the windows, one after the other.
#include "archive/ZipEngine.h"
#include "cli/Collection.h"
#include "cli/Command.h"
#include "cli/Installation.h"
#include "jobs/PackJob.h"
#include "pack/BesideCopy.h"
#include "pack/DestinationPath.h"
#include "pack/GameLimitsCheck.h"
#include "pack/PackingArchiver.h"
#include "pack/PackingEvents.h"
#include "pack/PackingMessages.h"
#include "pack/PackingReport.h"
#include "pack/PackingScreen.h"
#include "scan/ChosenFiles.h"
#include "settings/GameMods.h"
#include "settings/KeptArchives.h"

#include <filesystem>

namespace korvane::cli {

namespace {

// The packing log on standard output. A line is written once it is complete, since the run may still
// extend it; the progress line on a terminal is cleared first.
class ConsoleScreen : public PackingScreen {
public:
    ConsoleScreen(Console& console, TerminalProgress& progress) : console_(console), progress_(progress) {}
    ~ConsoleScreen() override { flush(); }
    ConsoleScreen(const ConsoleScreen&) = delete;
    ConsoleScreen& operator=(const ConsoleScreen&) = delete;

    void showDestination(const std::string&) override {}
    void clearLog() override { flush(); }
    void appendLine(const std::string& line) override {
        flush();
        pending_ = line;
        hasPending_ = true;
    }
    void extendLastLine(const std::string& text) override {
        pending_ += text;
        hasPending_ = true;
    }
    void setBusy(bool busy) override {
        if (!busy) {
            flush();
        }
    }

    void flush() {
        if (hasPending_) {
            progress_.clear();
            console_.out << pending_ << '\n';
            console_.out.flush();
            pending_.clear();
            hasPending_ = false;
        }
    }

private:
    Console& console_;
    TerminalProgress& progress_;
    std::string pending_;
    bool hasPending_ = false;
};

// The run's reports as lines: problems on standard error, success on standard output.
class ConsoleReport : public PackingReport {
public:
    ConsoleReport(Console& console, TerminalProgress& progress) : console_(console), progress_(progress) {}

    void fileFailed(const std::string& text) override { problem(text); }
    void stopped(PackingStop stop, const std::string& detail) override { problem(stopMessage(stop, detail)); }
    void limitsBroken(const std::vector<std::string>& warnings) override {
        warned = true;
        problem(gameLimitsMessage(warnings));
    }
    void filesLeftOut(const std::vector<std::string>& beside) override {
        besideFiles = beside;
        problem(kSomeFilesNotIncluded);
    }
    void packed(const std::string&, const std::vector<std::string>& beside) override {
        besideFiles = beside;
        console_.out << kPacked << '\n';
    }

    bool warned = false;
    std::vector<std::string> besideFiles; // of a written archive

private:
    void problem(const std::string& text) {
        progress_.clear();
        console_.err << text << '\n';
    }

    Console& console_;
    TerminalProgress& progress_;
};

// Step 2 by hand: files added as "Добавить..." adds them, files unchecked.
void editFileList(const ParsedCommand& parsed, Collection& collection, Console& console) {
    const GameFolders folders = collection.folders();
    for (const std::string& operand : parsed.all("--add")) {
        const std::string chosen = chosenPathOf(operand, folders);
        writeRefusals(addChosenFiles({chosen}, folders.rootFor(chosen), collection.FileList), collection, console);
    }
    for (const std::string& operand : parsed.all("--exclude")) {
        const std::string name = gameNameOf(operand, folders);
        const int index = collection.FileList.indexOf(name);
        if (index < 0) {
            console.err << name << " is not in the list; nothing to exclude.\n";
            continue;
        }
        collection.FileList.setChecked(index, false);
    }
}

// The save dialog returns a full path; a bare name typed here means one in the current folder.
std::string destinationOf(const std::string& output) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(output, error);
    return error ? output : absolute.string();
}

// Without --output the archive goes where the game loads it: into the game's folder, or the mod's with a mod,
// named after the first map.
std::string defaultDestination(const Collection& collection) {
    const std::string& folder = collection.ModFolder.empty() ? collection.state.InstallRoot : collection.ModFolder;
    return folder + archiveNamedAfter(collection.MapList.name(0));
}

// The files left out for shipping beside the archive: copied into --beside's folder, else only counted.
bool shipBeside(const ParsedCommand& parsed, const GameFolders& folders, const std::vector<std::string>& beside,
                Console& console) {
    if (beside.empty()) {
        return true;
    }
    const auto folder = parsed.value("--beside");
    if (!folder) {
        console.out << besideClosingNote(static_cast<int>(beside.size())) << '\n';
        return true;
    }
    const std::vector<BesideCopyFailure> failures = copyBesideFiles(folders, beside, *folder);
    for (const BesideCopyFailure& failure : failures) {
        console.err << "Cannot copy " << failure.name << " beside the GRO: " << failure.reason << ".\n";
    }
    const std::size_t copied = beside.size() - failures.size();
    console.out << "Copied " << copied << (copied == 1 ? " file" : " files") << " to ship beside the GRO into "
                << *folder << ".\n";
    return failures.empty();
}

int runPack(const ParsedCommand& parsed, Console& console) {
    const auto output = parsed.value("--output");
    TerminalProgress progress(console);
    Collection collection;
    collection.DeepScan = parsed.has("--deep");
    if (!prepareCollection(parsed, collection, console)) {
        return kExitFailed;
    }
    progress.nameItems(collection.MapList.names(), 1);
    const std::string destination = output ? destinationOf(*output) : defaultDestination(collection);
    const CollectResult collected = collect(collection, progress, console, withGroExtension(destination));
    // A map that is not there leaves nothing worth an archive: stop before anything is written.
    if (!collected.finished() || !collected.outcome.mapsNotFound.empty()) {
        return kExitFailed;
    }
    // The missing-files dialog, answered with "Игнорировать!": the run goes on and logs each one.
    writeMissing(collection, console);
    editFileList(parsed, collection, console);

    ConsoleScreen screen(console, progress);
    ConsoleReport report(console, progress);
    PackingEvents events(progress, screen, report);
    TZipEngine archiver;
    applyPackingDefaults(archiver);
    bindPackingEvents(archiver, events);
    progress.nameItems(collection.FileList.names(), 0);
    const PackingOutcome outcome =
        packSelection({collection.folders(), collection.MapList.names(), destination, collection.FileList},
                      {archiver, events, progress, screen, report, &collection.state, collection.ModName});
    screen.flush();
    progress.clear();
    if (outcome == PackingOutcome::Refused) {
        return kExitUsage;
    }
    // Only beside an archive that was written: a stopped run ships nothing.
    const bool written = outcome == PackingOutcome::Packed || outcome == PackingOutcome::FilesMissing;
    const bool besideCopied = !written || shipBeside(parsed, collection.folders(), report.besideFiles, console);
    const bool clean = !collection.choicesRefused && !report.warned;
    return outcome == PackingOutcome::Packed && clean && besideCopied ? kExitSuccess : kExitFailed;
}

} // namespace

const Command& packCommand() {
    static const Command command{
        {"pack",
         {{"--root"},
          {"--output"},
          {"--standard-cache"},
          {"--add", true, true},
          {"--exclude", true, true},
          {"--deep", false},
          {"--mod"},
          {"--beside"}},
         1,
         std::nullopt},
        "pack [--root DIR] [--mod NAME] [--output FILE.gro] [--beside DIR] MAP... [--add FILE]...",
        "pack the files the maps need",
        "Usage: korvane pack [--root DIR] [--mod NAME] [--output FILE.gro] [--standard-cache DIR]\n"
        "                    [--deep] [--beside DIR] [--add FILE]... [--exclude FILE]... MAP...\n"
        "       korvane MAP.wld\n"
        "\n"
        "Runs what the windows run from step 1 to \"Финиш\": the collection over the maps, then the\n"
        "packing run into a new archive, with the same admission rules, stored names and methods\n"
        "(.mp3 and .ogg stored, the rest compressed). The packing log goes to standard output line\n"
        "by line; needed files that are missing are listed on standard error, then packing goes on\n"
        "without them, as \"Игнорировать!\" does.\n"
        "\n"
        "  --root DIR             the installation folder (holding Bin/SeriousSam.exe); without it,\n"
        "                         the one the first map given as a file path lies in (and its mod\n"
        "                         when the map lies in a mod's folder), else the configured one\n"
        "  --mod NAME             pack for the mod in Mods/NAME, as the game runs it: names resolve\n"
        "                         in the mod's folder first, the mod's archives count as standard\n"
        "  --output FILE          the archive to write; \".gro\" is appended when it has no extension;\n"
        "                         without it, the game's folder (the mod's with a mod), named after\n"
        "                         the first map\n"
        "  --standard-cache DIR   read KVN_files.dat and KVN_gros.dat from DIR instead of the\n"
        "                         installation's Temp folder\n"
        "  --deep                 deep scan: follow every file the maps lead to, at any depth\n"
        "  --beside DIR           copy the files the game cannot use from a GRO (entity libraries,\n"
        "                         ModExt.txt...) into DIR under their game paths, to ship beside it\n"
        "  --add FILE             also pack this file (repeatable), as step 2's \"Добавить...\"\n"
        "  --exclude FILE         leave this listed file out (repeatable), as unchecking it in step 2\n"
        "  MAP, FILE              a game path such as Levels\\MyLevel.wld (or Levels/MyLevel.wld),\n"
        "                         or a file system path inside the installation\n"
        "\n"
        "After packing, the archive is checked against the game's limits (as \"korvane check\"\n"
        "does); each problem becomes a \"Warning:\" line of the log.\n"
        "\n"
        "The game's standard archives and the mod's own are never replaced: such a destination is\n"
        "refused before anything is written. A map that does not exist, or a run in which no file\n"
        "could be packed, leaves an earlier archive of that name as it was.\n"
        "\n"
        "Without the windows, \"korvane MAP.wld\" (a map dropped on korvane-cli.exe) packs the map\n"
        "the easy way: into its own installation's folder (or its mod's), building the standard\n"
        "file list first when the installation has none, for the edition its archives show.\n"
        "\n"
        "Exit status: 0 when every file was packed, 1 when the archive lacks some file (missing or\n"
        "unreadable), could not be written or has a warning, a map does not exist, or a file to ship\n"
        "beside it could not be copied, 2 on a usage error or a destination that is never replaced.\n",
        runPack};
    return command;
}

} // namespace korvane::cli
