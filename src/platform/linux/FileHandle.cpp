#include "platform/FileHandle.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <string>
#include <system_error>
#include <utility>

namespace korvane {

FileHandle FileHandle::open(const std::filesystem::path& path, int flags, unsigned mode) {
    return FileHandle(::open(path.c_str(), flags | O_CLOEXEC, static_cast<mode_t>(mode)));
}

namespace {

struct ReadResult {
    std::size_t done = 0;
    bool failed = false;
};

ReadResult readFrom(int fd, char* out, std::size_t size, std::uint64_t offset) {
    ReadResult result;
    while (result.done < size) {
        const ssize_t got =
            ::pread(fd, out + result.done, size - result.done, static_cast<off_t>(offset + result.done));
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            result.failed = got < 0;
            break;
        }
        result.done += static_cast<std::size_t>(got);
    }
    return result;
}

} // namespace

std::size_t FileHandle::readAt(void* buffer, std::size_t size, std::uint64_t offset) const {
    return readFrom(static_cast<int>(fd_), static_cast<char*>(buffer), size, offset).done;
}

std::optional<std::size_t> FileHandle::readCheckedAt(void* buffer, std::size_t size, std::uint64_t offset) const {
    const ReadResult result = readFrom(static_cast<int>(fd_), static_cast<char*>(buffer), size, offset);
    return result.failed ? std::nullopt : std::optional<std::size_t>(result.done);
}

std::size_t FileHandle::writeAt(const void* data, std::size_t size, std::uint64_t offset) {
    const auto* in = static_cast<const char*>(data);
    std::size_t done = 0;
    while (done < size) {
        const ssize_t put = ::pwrite(static_cast<int>(fd_), in + done, size - done, static_cast<off_t>(offset + done));
        if (put < 0 && errno == EINTR) {
            continue;
        }
        if (put <= 0) {
            if (put == 0) {
                errno = 0;
            }
            break;
        }
        done += static_cast<std::size_t>(put);
    }
    return done;
}

std::optional<std::uint64_t> FileHandle::size() const {
    struct stat facts {};
    if (fd_ < 0 || ::fstat(static_cast<int>(fd_), &facts) != 0) {
        return std::nullopt;
    }
    return static_cast<std::uint64_t>(facts.st_size);
}

bool FileHandle::isRegularFile() const {
    struct stat facts {};
    return fd_ >= 0 && ::fstat(static_cast<int>(fd_), &facts) == 0 && S_ISREG(facts.st_mode);
}

std::optional<FileIdentity> FileHandle::identity() const {
    struct stat facts {};
    if (fd_ < 0 || ::fstat(static_cast<int>(fd_), &facts) != 0) {
        return std::nullopt;
    }
    return FileIdentity{static_cast<std::uint64_t>(facts.st_dev), static_cast<std::uint64_t>(facts.st_ino),
                        static_cast<std::uint64_t>(facts.st_size), facts.st_ctim.tv_sec, facts.st_ctim.tv_nsec};
}

std::optional<FileIdentity> fileIdentity(const std::filesystem::path& path) {
    struct stat facts {};
    if (::stat(path.c_str(), &facts) != 0) {
        return std::nullopt;
    }
    return FileIdentity{static_cast<std::uint64_t>(facts.st_dev), static_cast<std::uint64_t>(facts.st_ino),
                        static_cast<std::uint64_t>(facts.st_size), facts.st_ctim.tv_sec, facts.st_ctim.tv_nsec};
}

bool FileHandle::lock(bool exclusive) {
    int result = 0;
    do {
        result = ::flock(static_cast<int>(fd_), (exclusive ? LOCK_EX : LOCK_SH) | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    return result == 0;
}

bool FileHandle::truncate(std::uint64_t length) {
    return ::ftruncate(static_cast<int>(fd_), static_cast<off_t>(length)) == 0;
}

bool FileHandle::sync() {
    return ::fsync(static_cast<int>(fd_)) == 0;
}

bool FileHandle::close() noexcept {
    if (fd_ < 0) {
        return true;
    }
    return ::close(static_cast<int>(std::exchange(fd_, -1))) == 0;
}

namespace {

thread_local std::uint64_t syncedFolders = 0;

} // namespace

void syncFolder(const std::filesystem::path& folder) {
    FileHandle handle = FileHandle::open(folder.empty() ? "." : folder, O_RDONLY | O_DIRECTORY);
    if (handle.valid() && handle.sync()) {
        ++syncedFolders;
    }
}

std::uint64_t folderSyncs() {
    return syncedFolders;
}

ContainedFile openInside(const std::filesystem::path& path, const std::filesystem::path& folder) {
    // Non-blocking, so that a pipe in place of a file is refused instead of waited on.
    ContainedFile opened{FileHandle::open(path, O_RDONLY | O_NONBLOCK)};
    if (!opened.handle.valid() || !opened.handle.isRegularFile()) {
        return {};
    }
    std::error_code linkError;
    std::error_code folderError;
    const auto real =
        std::filesystem::read_symlink("/proc/self/fd/" + std::to_string(opened.handle.descriptor()), linkError);
    // Runs open many files of one folder: its real location is worked out once while it stays the same.
    thread_local std::filesystem::path lastFolder;
    thread_local std::filesystem::path lastRealFolder;
    if (folder != lastFolder) {
        lastRealFolder = std::filesystem::canonical(folder, folderError);
        lastFolder = folderError ? std::filesystem::path() : folder;
    }
    const auto& realFolder = lastRealFolder;
    const auto [folderEnd, pathAt] = std::mismatch(realFolder.begin(), realFolder.end(), real.begin(), real.end());
    if (linkError || folderError || folderEnd != realFolder.end() || pathAt == real.end()) {
        return {FileHandle(), true};
    }
    return opened;
}

} // namespace korvane
