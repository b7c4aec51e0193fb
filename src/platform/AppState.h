// The state every window shares for the whole run: where the game is installed and its standard content.
#pragma once

#include "platform/NameList.h"

#include <string>

namespace korvane {

struct AppState {
    // Native absolute folder ending in the separator; empty until configured.
    std::string InstallRoot;
    // Standard archive names relative to InstallRoot (no check marks are used).
    NameList StandardGroList;
    // Member names of the standard archives, "folder\name.ext"; never packed.
    NameList StandardFiles;
};

} // namespace korvane
