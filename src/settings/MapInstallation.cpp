#include "settings/MapInstallation.h"

#include "platform/FolderListings.h"
#include "platform/GamePath.h"
#include "settings/GameMods.h"
#include "settings/InstallFolder.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace korvane {

std::optional<MapInstallation> installationOfMap(const std::string& mapPath) {
    std::error_code error;
    const fs::path absolute = fs::absolute(mapPath, error);
    if (error) {
        return std::nullopt;
    }
    // Links resolved, so that the root found is spelled as the map's own path begins.
    const fs::path settled = fs::weakly_canonical(absolute, error);
    const fs::path map = error ? absolute.lexically_normal() : settled;
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

bool sameFolder(const std::string& a, const std::string& b) {
    // The folders' identities on their volume, which the platform reads for folders on every system.
    const auto first = folderStamp(a);
    const auto second = folderStamp(b);
    return a == b || (first && second && first->device == second->device && first->file == second->file);
}

} // namespace korvane
