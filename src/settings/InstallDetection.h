// Finding the game's installation folder without asking: the game's own registry keys through the settings
// store and, on Linux, the Wine prefix's registry and the Steam library folders. Every folder found passes
// the installation validity test; the result is a native folder ending in the separator, or empty.
#pragma once

#include "platform/SettingsStore.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace korvane {

// Where to look besides the settings store; an empty place is not looked at.
struct DetectionPlaces {
    std::filesystem::path home;       // the user's home folder (Steam lives under it)
    std::filesystem::path winePrefix; // $WINEPREFIX, else home/.wine
    static DetectionPlaces fromEnvironment();
};

// The game's own keys first: "Path" of \Software\Croteam\SeriousSamSE, then of \Software\Croteam\SeriousSam.
std::string detectFromGameKeys(SettingsStore& settings, const DetectionPlaces& places);
std::string detectFromWine(const DetectionPlaces& places);
std::string detectFromSteam(const DetectionPlaces& places);
// All three, in that order.
std::string detectInstallation(SettingsStore& settings, const DetectionPlaces& places);

// A folder as a registry value holds it ("C:\Games\Serious Sam" or a native path, without a trailing
// separator) as a native folder ending in '/', when it is a valid installation; else empty.
std::string validInstallationFolder(std::string_view value, const DetectionPlaces& places);

} // namespace korvane
