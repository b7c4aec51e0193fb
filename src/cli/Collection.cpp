#include "cli/Collection.h"

#include "cli/Installation.h"
#include "cli/TerminalText.h"
#include "platform/GamePath.h"
#include "scan/CollectionMessages.h"
#include "settings/GameMods.h"

namespace korvane::cli {

namespace {

// Step 1's checks for a map that is there or lies outside the installation; a missing map inside it is
// listed all the same, so that the collection reports it as it reports a map that has vanished.
void addMap(const std::string& chosen, const std::string& installRoot, Collection& collection, Console& console) {
    if (!liesUnderRoot(chosen, installRoot) || fileExists(chosen)) {
        writeRefusals(addChosenMaps({chosen}, installRoot, collection.MapList), collection, console);
        return;
    }
    const std::string name = relativeNameOf(chosen, installRoot);
    if (!collection.MapList.contains(name)) {
        collection.MapList.append(name, true);
    }
}

} // namespace

void writeRefusals(const std::vector<ChoiceRefused>& refused, Collection& collection, Console& console) {
    for (const ChoiceRefused& refusal : refused) {
        console.err << refusalMessage(refusal) << '\n';
        collection.choicesRefused = true;
    }
}

bool prepareCollection(const ParsedCommand& parsed, Collection& collection, Console& console) {
    AppState& state = collection.state;
    const auto root = parsed.value("--root");
    const MapInstallation found =
        root ? MapInstallation{installRootFrom(*root), {}, {}, {}} : installationOfMaps(parsed.operands);
    state.InstallRoot = found.installRoot;
    if (const auto mod = parsed.value("--mod")) {
        collection.ModFolder = modFolderFrom(state.InstallRoot, *mod);
        collection.ModName = modOfFolder(collection.ModFolder).value_or(*mod);
    } else {
        collection.ModFolder = found.modFolder;
        collection.ModName = found.modName;
    }
    if (!loadStandardLists(state, parsed.value("--standard-cache").value_or(""), console)) {
        return false;
    }
    const GameFolders folders = collection.folders();
    for (const std::string& operand : parsed.operands) {
        const std::string chosen = chosenPathOf(operand, folders);
        addMap(chosen, folders.rootFor(chosen), collection, console);
    }
    if (collection.MapList.empty()) {
        console.err << kNoMapsListed << '\n';
        return false;
    }
    return true;
}

CollectResult collect(Collection& collection, TerminalProgress& progress, Console& console,
                      const std::string& destination) {
    const auto mapNotFound = [&](const std::string& map) {
        progress.clear();
        console.err << mapNotFoundMessage(map) << '\n';
    };
    const CollectResult result = collectMaps({collection.state, collection.folders(), collection.MapList.names(),
                                              collection.DeepScan, destination, mapNotFound, &collection.Reasons},
                                             collection.FileList, collection.MissingFiles, progress);
    progress.clear();
    if (!result.finished()) {
        console.err << result.failure << '\n';
    }
    return result;
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

void writeDeepScanHint(int more, Console& console) {
    if (more > 0) {
        console.err << more << (more == 1 ? " more file is" : " more files are")
                    << " needed by the listed files; --deep adds them\n";
    }
}

} // namespace korvane::cli
