// This machine's settings on Linux: a file in the user's configuration folder.
#include "platform/SettingsStore.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace korvane {
namespace {

std::filesystem::path homeFolder() {
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
        return home;
    }
    const passwd* user = ::getpwuid(::getuid());
    return user != nullptr && user->pw_dir != nullptr ? std::filesystem::path(user->pw_dir) : std::filesystem::path();
}

} // namespace

std::filesystem::path FileSettingsStore::defaultLocation() {
    if (const char* explicitFile = std::getenv("KORVANE_SETTINGS"); explicitFile != nullptr && *explicitFile != '\0') {
        return explicitFile;
    }
    // A relative XDG_CONFIG_HOME is to be ignored, as the base directory rules say.
    const char* config = std::getenv("XDG_CONFIG_HOME");
    const std::filesystem::path base =
        (config != nullptr && *config == '/') ? std::filesystem::path(config) : homeFolder() / ".config";
    return base / "korvane" / "settings.reg";
}

std::unique_ptr<SettingsStore> machineSettings() {
    return std::make_unique<FileSettingsStore>(FileSettingsStore::defaultLocation());
}

} // namespace korvane
