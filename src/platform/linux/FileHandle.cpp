#include "platform/FileHandle.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

namespace korvane {

FileHandle FileHandle::open(const std::filesystem::path& path, int flags, unsigned mode) {
    return FileHandle(::open(path.c_str(), flags | O_CLOEXEC, static_cast<mode_t>(mode)));
}

FileHandle::FileHandle(FileHandle&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}

FileHandle& FileHandle::operator=(FileHandle&& other) noexcept {
    if (this != &other) {
        close();
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

FileHandle::~FileHandle() {
    close();
}

std::size_t FileHandle::readAt(void* buffer, std::size_t size, std::uint64_t offset) const {
    auto* out = static_cast<char*>(buffer);
    std::size_t done = 0;
    while (done < size) {
        const ssize_t got = ::pread(static_cast<int>(fd_), out + done, size - done, static_cast<off_t>(offset + done));
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            break;
        }
        done += static_cast<std::size_t>(got);
    }
    return done;
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
    return FileIdentity{static_cast<std::uint64_t>(facts.st_dev), static_cast<std::uint64_t>(facts.st_ino)};
}

std::optional<FileIdentity> fileIdentity(const std::filesystem::path& path) {
    struct stat facts {};
    if (::stat(path.c_str(), &facts) != 0) {
        return std::nullopt;
    }
    return FileIdentity{static_cast<std::uint64_t>(facts.st_dev), static_cast<std::uint64_t>(facts.st_ino)};
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

} // namespace korvane
