#include "settings/KeptArchives.h"

#include "archive/ZipEngine.h"
#include "platform/AsciiText.h"
#include "platform/FileFacts.h"
#include "platform/ProgressSink.h"
#include "settings/EditionDetection.h"
#include "settings/GameMods.h"
#include "settings/StandardListBuilder.h"

#include <algorithm>

namespace korvane {

namespace {

bool holdsAnyMap(const std::string& archive, const std::vector<std::string>& maps) {
    TZipEngine reader;
    NoProgress quiet;
    NameList members;
    try {
        ListGroMembers(reader, quiet, archive, members, {true, false});
    } catch (...) {
        return false; // unreadable: nothing shows it is the map maker's
    }
    return std::any_of(maps.begin(), maps.end(), [&members](const std::string& map) { return members.contains(map); });
}

// A mod map named like its mod has the mod's own archive's name: only an archive holding the map is an
// earlier pack of it.
bool isEarlierPack(const std::string& modFolder, const std::string& name, const std::vector<std::string>& maps) {
    const bool namedAfterMap = std::any_of(maps.begin(), maps.end(), [&name](const std::string& map) {
        return equalsAsciiNoCase(archiveNamedAfter(map), name);
    });
    return namedAfterMap && holdsAnyMap(modFolder + name, maps);
}

} // namespace

std::vector<std::string> archivesNeverReplaced(const AppState& state, const GameFolders& folders,
                                               const std::vector<std::string>& maps) {
    std::vector<std::string> kept;
    for (const std::string& name : state.StandardGroList.names()) {
        kept.push_back(folders.installRoot() + name);
    }
    if (const Edition* edition = detectEdition(folders.installRoot())) {
        for (const std::string& name : editionArchives(*edition, folders.installRoot())) {
            kept.push_back(folders.installRoot() + name);
        }
    }
    if (folders.modFolder().empty()) {
        return kept;
    }
    for (const FolderItem& item : listFolder(folders.modFolder(), "*.gro")) {
        if ((item.attributes & faDirectory) == 0 && !isEarlierPack(folders.modFolder(), item.name, maps)) {
            kept.push_back(folders.modFolder() + item.name);
        }
    }
    return kept;
}

} // namespace korvane
