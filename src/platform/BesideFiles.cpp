#include "platform/BesideFiles.h"

#include "platform/AsciiText.h"
#include "platform/GamePath.h"

#include <array>

namespace korvane {

std::optional<BesideReason> besideReason(std::string_view name) {
    // Entity and shader libraries are loaded by the system's loader from the expanded file name.
    if (equalsAsciiNoCase(extensionOf(name), ".dll")) {
        return BesideReason::Library;
    }
    // Read from the game's (or the active mod's) folder before the game mounts its archives.
    static constexpr std::array<std::string_view, 6> kStartupFiles{
        "ModExt.txt",           "DefaultMod.txt",        "BaseWriteInclude.lst",
        "BaseWriteExclude.lst", "BaseBrowseInclude.lst", "BaseBrowseExclude.lst"};
    for (const std::string_view file : kStartupFiles) {
        if (equalsAsciiNoCase(name, file)) {
            return BesideReason::StartupFile;
        }
    }
    return std::nullopt;
}

const char* besideReasonText(BesideReason reason) {
    switch (reason) {
    case BesideReason::Library:
        return "the game loads libraries only from plain files in Bin, never from a GRO";
    case BesideReason::StartupFile:
        return "the game reads it while starting, before it opens any GRO";
    }
    return "";
}

} // namespace korvane
