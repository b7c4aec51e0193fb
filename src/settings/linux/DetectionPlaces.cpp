#include "settings/InstallDetection.h"

#include <cstdlib>

namespace korvane {

DetectionPlaces DetectionPlaces::fromEnvironment() {
    DetectionPlaces places;
    if (const char* home = std::getenv("HOME"); home != nullptr) {
        places.home = home;
    }
    const char* prefix = std::getenv("WINEPREFIX");
    places.winePrefix = prefix != nullptr && *prefix != '\0' ? std::filesystem::path(prefix) : places.home / ".wine";
    return places;
}

} // namespace korvane
