// "Check this archive": the archive viewer's "Проверить" and korvane check, in one call.
#pragma once

#include "platform/AppState.h"

#include <string>
#include <vector>

namespace korvane {

struct CheckResult {
    std::string failure; // the error model's text when the archive could not be read; empty otherwise
    std::vector<std::string> warnings;

    bool read() const { return failure.empty(); }
};

// Without an installation the rule about standard files is skipped; modName names the mod the archive is
// loaded with, empty for none.
CheckResult checkArchive(const std::string& path, const AppState* installation, const std::string& modName = {});

} // namespace korvane
