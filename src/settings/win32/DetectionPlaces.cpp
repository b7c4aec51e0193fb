#include "settings/InstallDetection.h"

namespace korvane {

// Windows keeps what the search needs in its registry; a HOME or WINEPREFIX seen here (under Wine) names
// Linux folders, which are no places of this system's.
DetectionPlaces DetectionPlaces::fromEnvironment() {
    return {};
}

} // namespace korvane
