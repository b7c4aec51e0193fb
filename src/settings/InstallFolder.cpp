#include "settings/InstallFolder.h"

#include "platform/GamePath.h"

#include <algorithm>

namespace korvane {

bool isValidInstallation(std::string_view folder) {
    return fileExists(std::string(folder) + "Bin\\SeriousSam.exe");
}

std::string relativeNameOf(std::string_view chosenPath, std::string_view root) {
    std::string relative(chosenPath.substr(std::min(root.size(), chosenPath.size())));
    // Names of standard files are compared with the names maps give, which use the game's separator.
    std::replace(relative.begin(), relative.end(), '/', '\\');
    return relative;
}

} // namespace korvane
