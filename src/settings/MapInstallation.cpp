#include "settings/MapInstallation.h"

#include "platform/FileFacts.h"
#include "platform/GamePath.h"
#include "settings/GameMods.h"
#include "settings/InstallFolder.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace korvane {

std::optional<MapInstallation> installationOfMap(const std::string& mapPath) {
    // Links resolved, so that the root found is spelled as the map's own path begins.
    const fs::path map = settledPath(mapPath);
    if (map.empty()) {
        return std::nullopt;
    }
    for (fs::path folder = map.parent_path();; folder = folder.parent_path()) {
        const std::string text = withTrailingSeparator(folder.string());
        // A mod's folder before the installation's: it is met first on the way up.
        if (const auto mod = modOfFolder(text)) {
            return MapInstallation{withTrailingSeparator(folder.parent_path().parent_path().string()), *mod, text,
                                   map.string()};
        }
        if (isValidInstallation(text)) {
            return MapInstallation{text, {}, {}, map.string()};
        }
        if (!folder.has_relative_path()) {
            return std::nullopt;
        }
    }
}

bool isMapFile(const std::string& path) {
    return equalsAsciiNoCase(extensionOf(path), ".wld") && fileExists(path);
}

} // namespace korvane
