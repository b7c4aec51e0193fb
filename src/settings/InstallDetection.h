// Finding the game's installation folder without asking: the game's own registry keys through the settings
// store and in the system's registry, a Wine prefix's registry (on Linux) and the Steam library folders. Every folder found passes
// the installation validity test; the result is a native folder ending in the separator, or empty.
#pragma once

#include "platform/SettingsStore.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace korvane {

// Where to look besides the settings store; an empty place is not looked at.
struct DetectionPlaces {
    std::filesystem::path home;       // the user's home folder on Linux (Steam lives under it)
    std::filesystem::path winePrefix; // on Linux $WINEPREFIX, else home/.wine
    // The system registry's keys are read below this key instead of its top ("\Software\Test" reads
    // "\Software\Test\Software\Croteam\SeriousSam"), so that a test can write keys of its own.
    std::string registryBranch;
    // The places this platform has: on Linux the home folder and the Wine prefix; on Windows none.
    static DetectionPlaces fromEnvironment();
};

// The game's own keys first: "Path" of \Software\Croteam\SeriousSamSE, then of \Software\Croteam\SeriousSam.
std::string detectFromGameKeys(SettingsStore& settings, const DetectionPlaces& places);
// The same keys in the system's registry (HKEY_LOCAL_MACHINE, where the game's installer writes them).
std::string detectFromRegistry(const DetectionPlaces& places);
std::string detectFromWine(const DetectionPlaces& places);
// The Steam libraries of ~/.steam/steam and of the Steam whose folder the registry names (the "SteamPath"
// value of HKEY_CURRENT_USER\Software\Valve\Steam).
std::string detectFromSteam(const DetectionPlaces& places);
// All four, in that order.
std::string detectInstallation(SettingsStore& settings, const DetectionPlaces& places);

// A folder as a registry value holds it ("C:\Games\Serious Sam" or a native path, without a trailing
// separator) as a native folder ending in '/', when it is a valid installation; else empty.
std::string validInstallationFolder(std::string_view value, const DetectionPlaces& places);

} // namespace korvane
