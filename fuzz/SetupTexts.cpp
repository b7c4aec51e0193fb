// The texts of other programs that setup reads (a Wine prefix's system.reg, Steam's libraryfolders.vdf) and
// the standard-list cache lines: none may crash, and cache lines Korvane writes read back as written.
#include "settings/SettingsFiles.h"
#include "settings/SteamLibraries.h"
#include "settings/WineRegistry.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    korvane::readWineRegistryString(bytes, "Software\\Croteam\\SeriousSamSE", "Path");
    korvane::steamLibraryPaths(bytes);
    const auto entries = korvane::decodeCacheLines(bytes);
    if (korvane::decodeCacheLines(korvane::encodeCacheLines(entries)) != entries) {
        std::abort();
    }
    return 0;
}
