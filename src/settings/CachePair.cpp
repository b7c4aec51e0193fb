#include "settings/CachePair.h"

#include "platform/FileHandle.h"

#include <fcntl.h>

#include <system_error>

namespace korvane {

namespace {

namespace fs = std::filesystem;

const char* const kStaging = "KVN_lists.new";
const char* const kCommitted = "KVN_lists.done";

// The staging folder is the save's own until its commit, so its files are written in place: each reaches the
// disk, and the folder's entries are flushed once for all of them.
bool writeStaged(const fs::path& path, const std::string& bytes) {
    FileHandle file = FileHandle::open(path, O_WRONLY | O_CREAT | O_EXCL);
    return file.valid() && file.writeAllAt(bytes.data(), bytes.size(), 0) && file.sync() && file.close();
}

// Moves the committed files into place; false when there was nothing committed.
bool moveCommitted(const fs::path& folder) {
    const fs::path committed = folder / kCommitted;
    std::error_code error;
    if (!fs::is_directory(committed, error)) {
        return false;
    }
    for (fs::directory_iterator it(committed, error), end; !error && it != end; it.increment(error)) {
        std::error_code ignored;
        fs::rename(it->path(), folder / it->path().filename(), ignored);
    }
    fs::remove(committed, error);
    return true;
}

} // namespace

void finishCacheReplacement(const fs::path& folder) {
    if (moveCommitted(folder)) {
        syncFolder(folder);
    }
}

std::string replaceCacheFiles(const fs::path& folder, const std::vector<CacheFileContents>& files) {
    finishCacheReplacement(folder);
    const fs::path staging = folder / kStaging;
    std::error_code error;
    // What an interrupted save staged was never committed.
    fs::remove_all(staging, error);
    fs::create_directory(staging, error);
    for (const CacheFileContents& file : files) {
        if (error || !writeStaged(staging / file.name, file.bytes)) {
            fs::remove_all(staging, error);
            return file.name;
        }
    }
    syncFolder(staging);
    // The commit: from here on the new pair is what a reader gets, after a crash too.
    fs::rename(staging, folder / kCommitted, error);
    if (error) {
        fs::remove_all(staging, error);
        return files.empty() ? std::string() : files.front().name;
    }
    syncFolder(folder);
    // The moves need no flush of their own: whatever a crash undoes of them, the next reader finishes.
    moveCommitted(folder);
    return {};
}

} // namespace korvane
