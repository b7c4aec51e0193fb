#include "jobs/CheckJob.h"

#include "pack/GameLimitsCheck.h"
#include "platform/UserError.h"

#include <exception>

namespace korvane {

CheckResult checkArchive(const std::string& path, const AppState* installation, const std::string& modName) {
    CheckResult result;
    try {
        result.warnings = checkGameLimits(readCheckedArchive(path), installation, modName);
    } catch (...) {
        result.failure = userMessageOf(std::current_exception());
    }
    return result;
}

} // namespace korvane
