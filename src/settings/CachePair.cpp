#include "settings/CachePair.h"

#include "platform/AtomicFile.h"
#include "platform/FileHandle.h"

#include <cstdio>
#include <system_error>

namespace korvane {

namespace {

namespace fs = std::filesystem;

const char* const kStaging = "KVN_lists.new";
const char* const kCommitted = "KVN_lists.done";

} // namespace

void finishCacheReplacement(const fs::path& folder) {
    const fs::path committed = folder / kCommitted;
    std::error_code error;
    if (!fs::is_directory(committed, error)) {
        return;
    }
    for (fs::directory_iterator it(committed, error), end; !error && it != end; it.increment(error)) {
        std::rename(it->path().c_str(), (folder / it->path().filename()).c_str());
    }
    syncFolder(folder);
    fs::remove(committed, error);
}

std::string replaceCacheFiles(const fs::path& folder, const std::vector<CacheFileContents>& files) {
    finishCacheReplacement(folder);
    const fs::path staging = folder / kStaging;
    std::error_code error;
    // What an interrupted save staged was never committed.
    fs::remove_all(staging, error);
    fs::create_directory(staging, error);
    for (const CacheFileContents& file : files) {
        if (error || !writeFileAtomically(staging / file.name, file.bytes)) {
            fs::remove_all(staging, error);
            return file.name;
        }
    }
    // The commit: from here on the new pair is what a reader gets.
    if (std::rename(staging.c_str(), (folder / kCommitted).c_str()) != 0) {
        fs::remove_all(staging, error);
        return files.empty() ? std::string() : files.front().name;
    }
    syncFolder(folder);
    finishCacheReplacement(folder);
    return {};
}

} // namespace korvane
