// The archive written aside: a file beside the destination that takes its place only when complete, so an
// interrupted run, a full disk or a second run never costs the archive that was there before.
#include "archive/ArchiveWriteError.h"
#include "archive/internal/ArchiveFile.h"
#include "platform/AtomicFile.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <sys/file.h>
#include <unistd.h>

namespace korvane {

namespace {

namespace fs = std::filesystem;

// The file the rename replaces: a link's target rather than the link, else the destination as named.
fs::path replacedFile(const std::string& destination) {
    return fileToReplace(destination).value_or(destination);
}

fs::path folderOf(const fs::path& file) {
    return file.has_parent_path() ? file.parent_path() : fs::path(".");
}

std::string procPath(int fd) {
    return "/proc/self/fd/" + std::to_string(fd);
}

// Every file written aside is named so and locked by its run while it lives: a later run knows a leftover
// of an interrupted one by its name, and a live run's file by its lock.
const std::string kAsidePrefix = ".korvane-";
const std::string kAsideSuffix = ".part";
// A leftover is removed only once it has been still for a while: a new file is locked just after its creation.
constexpr auto kLeftoverAge = std::chrono::seconds(10);

bool isLeftover(const fs::directory_entry& entry) {
    const std::string name = entry.path().filename().string();
    std::error_code error;
    if (!name.starts_with(kAsidePrefix) || !name.ends_with(kAsideSuffix) || !entry.is_regular_file(error)) {
        return false;
    }
    const auto written = entry.last_write_time(error);
    return !error && fs::file_time_type::clock::now() - written > kLeftoverAge;
}

// Removes what interrupted runs left in the folder; a file whose run still lives keeps its lock and stays.
void removeLeftovers(const fs::path& folder) {
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        if (!isLeftover(*it)) {
            continue;
        }
        const FileHandle file = FileHandle::open(it->path(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK);
        if (file.valid() && ::flock(file.descriptor(), LOCK_EX | LOCK_NB) == 0) {
            ::unlink(it->path().c_str());
        }
    }
}

// A free hidden name beside the file; `make` creates it and reports errno, EEXIST meaning try another.
template <typename Make> std::string hiddenName(const fs::path& file, Make make) {
    static std::mt19937_64 random{std::random_device{}()};
    for (int attempt = 0; attempt < 100; ++attempt) {
        char suffix[20];
        std::snprintf(suffix, sizeof suffix, ".%012llx", static_cast<unsigned long long>(random() & 0xFFFFFFFFFFFFull));
        // Cut so that the hidden name stays within the longest name a folder takes.
        const std::string base = file.filename().string().substr(0, 200);
        const std::string name = (folderOf(file) / (kAsidePrefix + base + suffix + kAsideSuffix)).string();
        const int error = make(name);
        if (error != EEXIST) {
            return error == 0 ? name : std::string();
        }
    }
    return {};
}

// No room for even the new file's name is a full disk too, and is said so.
[[noreturn]] void failCreate(const std::string& destination, int error) {
    if (error == ENOSPC || error == EDQUOT) {
        throw ArchiveWriteError(destination, error);
    }
    throw FileError::cannotCreate(destination);
}

} // namespace

TZEArchiveFile TZEArchiveFile::createAside(const std::string& destination, bool unnamed) {
    const fs::path target = replacedFile(destination);
    removeLeftovers(folderOf(target));
    FileHandle handle = unnamed ? FileHandle::open(folderOf(target), O_TMPFILE | O_RDWR, 0666) : FileHandle();
    // Naming it at the end goes through /proc; without it the file gets a hidden name from the start.
    if (handle.valid() && ::access(procPath(handle.descriptor()).c_str(), F_OK) != 0) {
        handle.close();
    }
    std::string hidden;
    if (!handle.valid()) {
        int createError = 0;
        hidden = hiddenName(target, [&handle, &createError](const std::string& name) {
            handle = FileHandle::open(name, O_RDWR | O_CREAT | O_EXCL, 0666);
            createError = handle.valid() ? 0 : errno;
            return createError;
        });
        if (hidden.empty()) {
            failCreate(destination, createError);
        }
    }
    // Held until the file is closed; a lock on the unnamed file holds for the name it gets at the end.
    ::flock(handle.descriptor(), LOCK_EX | LOCK_NB);
    TZEArchiveFile file(std::move(handle), destination, true);
    file.hiddenPath_ = hidden;
    return file;
}

void TZEArchiveFile::replaceDestination() {
    const fs::path target = replacedFile(path_);
    keepPermissionsOf(target, handle());
    if (!flush()) {
        failWrite(lastError_);
    }
    if (hiddenPath_.empty()) {
        int linkError = 0;
        hiddenPath_ = hiddenName(target, [this, &linkError](const std::string& name) {
            const int linked =
                ::linkat(AT_FDCWD, procPath(descriptor()).c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW);
            linkError = linked == 0 ? 0 : errno;
            return linkError;
        });
        if (hiddenPath_.empty()) {
            failWrite(linkError);
        }
    }
    if (::rename(hiddenPath_.c_str(), target.c_str()) != 0) {
        failWrite(errno);
    }
    hiddenPath_.clear();
    // The new name reaches the disk with the folder; a folder that cannot be flushed changes nothing now.
    syncFolder(folderOf(target));
}

void TZEArchiveFile::failWrite(int error) const {
    throw ArchiveWriteError(path_, error);
}

} // namespace korvane
