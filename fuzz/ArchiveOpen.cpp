// Opens arbitrary bytes as an archive and lists them: every input must end in a listing or an error.
#include "archive/ZipEngine.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <unistd.h>

namespace {

const std::string& archivePath() {
    static const std::string path = [] {
        std::string pattern = "/tmp/korvane-fuzz-XXXXXX";
        const int fd = mkstemp(pattern.data());
        if (fd < 0) {
            std::abort();
        }
        close(fd);
        return pattern;
    }();
    [[maybe_unused]] static const bool removedAtExit = std::atexit([] { unlink(path.c_str()); }) == 0;
    return path;
}

void writeArchive(const std::uint8_t* data, std::size_t size) {
    std::FILE* file = std::fopen(archivePath().c_str(), "wb");
    if (file == nullptr || std::fwrite(data, 1, size, file) != size) {
        std::abort();
    }
    std::fclose(file);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    writeArchive(data, size);
    korvane::TZipEngine engine("Archiver");
    engine.FileName = archivePath();
    try {
        engine.OpenArchive(korvane::kOpenModeRead);
        const std::int32_t count = engine.GetFileCount();
        std::int32_t listed = 0;
        korvane::TZEArchiveItem item;
        for (bool found = engine.FindFirst("*.*", item, korvane::kSearchAttrFiles, ""); found;
             found = engine.FindNext(item)) {
            ++listed;
        }
        if (listed != count) {
            std::abort();
        }
        // Names from the file against a mask with every kind of wildcard.
        for (bool found = engine.FindFirst("*a?*.*e*", item, korvane::kSearchAttrAll, "*x*"); found;
             found = engine.FindNext(item)) {
        }
    } catch (const std::exception&) {
        // A clear error is a correct answer to a broken archive.
    }
    engine.CloseArchive();
    return 0;
}
