#include "cli/DroppedMap.h"

#include "cli/Installation.h"
#include "cli/StandardCache.h"
#include "settings/GameMods.h"
#include "settings/SettingsFiles.h"

namespace korvane::cli {

namespace {

bool hasStandardLists(const std::string& installRoot) {
    AppState state;
    state.InstallRoot = installRoot;
    return StandardListsExist(state);
}

int runDroppedMap(const ParsedCommand& parsed, Console& console) {
    const MapInstallation found = installationOfMaps(parsed.operands);
    // Where the archive goes, as pack names it without --output.
    const std::string& folder = found.modFolder.empty() ? found.installRoot : found.modFolder;
    console.out << "Packing " << parsed.operands.front() << " into " << folder << archiveNamedAfter(found.mapPath)
                << (found.modName.empty() ? "" : " for the mod " + found.modName) << '\n';
    if (!hasStandardLists(found.installRoot)) {
        console.out << "The installation has no standard file list yet; building it.\n";
        TerminalProgress progress(console);
        const bool built = buildDetectedStandardCache(found.installRoot, console, progress);
        progress.clear();
        if (!built) {
            console.err << "Name its standard archives with: korvane standard build --root " << found.installRoot
                        << " GRO...\n";
            return kExitFailed;
        }
    }
    return packCommand().run(parsed, console);
}

} // namespace

bool isDroppedMap(const std::vector<std::string>& words) {
    return words.size() == 1 && isMapFile(words.front());
}

const Command& droppedMapCommand() {
    static const Command command{{"pack", {}, 1, 1}, "MAP.wld", "pack a dropped map", "", runDroppedMap};
    return command;
}

} // namespace korvane::cli
