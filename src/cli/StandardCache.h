// The standard list cache files of an installation, built from its standard archives as the setup wizard
// builds and saves them.
#pragma once

#include "cli/Console.h"

#include <string>
#include <vector>

namespace korvane::cli {

struct StandardCacheResult {
    bool saved = false;    // both cache files written
    bool complete = false; // and every named archive was there and read
    int files = 0;
};

// Lists every existing archive of the names (relative to the root) with duplicates skipped, then saves
// the member names as KVN_files.dat and the archive names, as given, as KVN_gros.dat. Nothing is saved
// when an archive exists but cannot be read. What went wrong is written to standard error.
StandardCacheResult buildStandardCache(const std::string& installRoot, const std::vector<std::string>& archiveNames,
                                       Console& console, TerminalProgress& progress);

// The cache files for the edition the installation's archives show, as "standard build --preset auto" saves
// them, the edition named first. False (the reason written) when no edition is found or nothing was saved.
bool buildDetectedStandardCache(const std::string& installRoot, Console& console, TerminalProgress& progress);

} // namespace korvane::cli
