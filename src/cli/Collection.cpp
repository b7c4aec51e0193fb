#include "cli/Collection.h"

#include "archive/ZipEngine.h"
#include "cli/Installation.h"
#include "cli/TerminalText.h"
#include "platform/GamePath.h"
#include "platform/UserError.h"
#include "scan/ChosenFiles.h"
#include "scan/CollectionMessages.h"
#include "scan/CollectionRun.h"
#include "scan/DeepScanHint.h"
#include "settings/GameMods.h"

namespace korvane::cli {

namespace {

// Step 1's checks for a map that is there or lies outside the installation; a missing map inside it is
// listed all the same, so that the collection run reports it as it reports a map that has vanished.
void addMap(const std::string& chosen, const std::string& installRoot, NameList& maps, ConsoleDialogs& dialogs) {
    const bool inside = chosen.compare(0, installRoot.size(), installRoot) == 0;
    if (!inside || fileExists(chosen)) {
        addChosenMaps({chosen}, installRoot, maps, dialogs);
        return;
    }
    const std::string name = relativeNameOf(chosen, installRoot);
    if (!maps.contains(name)) {
        maps.append(name, true);
    }
}

} // namespace

bool joinModArchives(NameList& standardFiles, const std::string& modFolder, const std::vector<std::string>& leaveOut,
                     ConsoleDialogs& dialogs) {
    TZipEngine archiver;
    NoProgress progress;
    try {
        standardFiles.assign(withModArchives(standardFiles, modFolder, archiver, progress, leaveOut).names(), true);
    } catch (const UserError& error) {
        dialogs.showMessage(error.what());
        return false;
    }
    return true;
}

bool prepareCollection(const ParsedCommand& parsed, Collection& collection, ConsoleDialogs& dialogs,
                       const std::string& destination) {
    AppState& state = collection.state;
    state.InstallRoot = installRootFrom(required(parsed, "--root"));
    if (const auto mod = parsed.value("--mod")) {
        collection.ModFolder = modFolderFrom(state.InstallRoot, *mod);
        collection.ModName = modOfFolder(collection.ModFolder).value_or(*mod);
    }
    if (!loadStandardLists(state, parsed.value("--standard-cache").value_or(""), dialogs)) {
        return false;
    }
    const GameFolders folders = collection.folders();
    for (const std::string& operand : parsed.operands) {
        const std::string chosen = chosenPathOf(operand, folders);
        addMap(chosen, folders.rootFor(chosen), collection.MapList, dialogs);
    }
    if (collection.MapList.empty()) {
        dialogs.showMessage(kNoMapsListed);
        return false;
    }
    return collection.ModFolder.empty() ||
           joinModArchives(state.StandardFiles, collection.ModFolder,
                           ownArchives(collection.MapList.names(), destination, collection.ModFolder), dialogs);
}

CollectionOutcome collect(Collection& collection, ProgressSink& progress, ConsoleDialogs& dialogs) {
    collection.FileList.clear();
    collection.MissingFiles.clear();
    collection.Reasons = FileReasons();
    const CollectionLists lists{collection.state.InstallRoot, collection.FileList, collection.state.StandardFiles,
                                collection.MissingFiles,      collection.DeepScan, collection.ModFolder,
                                &collection.Reasons};
    return collectDependencies(lists, collection.MapList.names(), progress, dialogs);
}

void writeMissing(const Collection& collection, Console& console) {
    if (collection.MissingFiles.empty()) {
        return;
    }
    console.err << "Needed files that were not found:\n";
    for (const std::string& line : collection.MissingFiles.lines(&collection.Reasons)) {
        console.err << "  " << shownName(line, console.progressOnTerminal) << '\n';
    }
}

void writeDeepScanHint(const Collection& collection, Console& console) {
    if (collection.DeepScan) {
        return;
    }
    const int more = filesDeepScanWouldAdd(collection.folders(), collection.FileList, collection.state.StandardFiles);
    if (more > 0) {
        console.err << more << (more == 1 ? " more file is" : " more files are")
                    << " needed by the listed files; --deep adds them\n";
    }
}

} // namespace korvane::cli
