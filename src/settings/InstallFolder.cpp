#include "settings/InstallFolder.h"

#include "platform/GamePath.h"

namespace korvane {

bool isValidInstallation(std::string_view folder) {
    return fileExists(std::string(folder) + "Bin\\SeriousSam.exe");
}

} // namespace korvane
