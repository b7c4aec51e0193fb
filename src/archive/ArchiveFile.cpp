#include "archive/ArchiveFile.h"

#include "archive/ZipTypes.h"
#include "platform/FileError.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace korvane {
namespace {

bool isRegularFile(int fd) {
    struct stat facts {};
    return fstat(fd, &facts) == 0 && S_ISREG(facts.st_mode);
}

// Another engine (or any cooperating program) holding the file makes the open fail, as on the game's platform.
bool lockFile(int fd, bool exclusive) {
    int result = 0;
    do {
        result = flock(fd, (exclusive ? LOCK_EX : LOCK_SH) | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    return result == 0;
}

} // namespace

TZEArchiveFile TZEArchiveFile::open(const std::string& path, std::uint16_t mode) {
    const bool writable = openModeAllowsUpdates(mode);
    const int fd = ::open(path.c_str(), (writable ? O_RDWR : O_RDONLY) | O_CLOEXEC);
    if (fd < 0) {
        throw FileError::cannotOpen(path);
    }
    TZEArchiveFile file(fd, path, writable);
    if (!isRegularFile(fd) || !lockFile(fd, writable)) {
        throw FileError::cannotOpen(path);
    }
    return file;
}

TZEArchiveFile TZEArchiveFile::create(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) {
        throw FileError::cannotCreate(path);
    }
    TZEArchiveFile file(fd, path, true);
    // Empty the file only once it is ours, so that a file another engine holds is left intact.
    if (!isRegularFile(fd) || !lockFile(fd, true) || ftruncate(fd, 0) != 0) {
        throw FileError::cannotCreate(path);
    }
    return file;
}

TZEArchiveFile::TZEArchiveFile(TZEArchiveFile&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), path_(std::move(other.path_)), writable_(other.writable_), pos_(other.pos_),
      lastError_(other.lastError_), hiddenPath_(std::exchange(other.hiddenPath_, {})) {}

TZEArchiveFile& TZEArchiveFile::operator=(TZEArchiveFile&& other) noexcept {
    if (this != &other) {
        close();
        fd_ = std::exchange(other.fd_, -1);
        path_ = std::move(other.path_);
        writable_ = other.writable_;
        pos_ = other.pos_;
        lastError_ = other.lastError_;
        hiddenPath_ = std::exchange(other.hiddenPath_, {});
    }
    return *this;
}

TZEArchiveFile::~TZEArchiveFile() {
    close();
}

void TZEArchiveFile::close() noexcept {
    if (fd_ >= 0) {
        // Closing the last descriptor of the open file releases its lock.
        ::close(fd_);
        fd_ = -1;
    }
    if (!hiddenPath_.empty()) {
        ::unlink(hiddenPath_.c_str());
        hiddenPath_.clear();
    }
}

std::uint64_t TZEArchiveFile::size() const {
    struct stat facts {};
    if (fd_ < 0 || fstat(fd_, &facts) != 0) {
        failRead();
    }
    return static_cast<std::uint64_t>(facts.st_size);
}

std::size_t TZEArchiveFile::read(void* buffer, std::size_t n) {
    auto* out = static_cast<char*>(buffer);
    std::size_t done = 0;
    while (done < n) {
        const ssize_t got = pread(fd_, out + done, n - done, static_cast<off_t>(pos_ + done));
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            break;
        }
        done += static_cast<std::size_t>(got);
    }
    pos_ += done;
    return done;
}

void TZEArchiveFile::readExact(void* buffer, std::size_t n) {
    if (read(buffer, n) != n) {
        failRead();
    }
}

std::string TZEArchiveFile::readExact(std::size_t n) {
    // Counts come from the file itself: never allocate more than the file can still deliver.
    const std::uint64_t length = size();
    if (pos_ > length || n > length - pos_) {
        failRead();
    }
    std::string bytes(n, '\0');
    readExact(bytes.data(), n);
    return bytes;
}

std::size_t TZEArchiveFile::write(const void* buffer, std::size_t n) {
    const auto* in = static_cast<const char*>(buffer);
    std::size_t done = 0;
    while (done < n) {
        const ssize_t put = pwrite(fd_, in + done, n - done, static_cast<off_t>(pos_ + done));
        if (put < 0 && errno == EINTR) {
            continue;
        }
        if (put <= 0) {
            lastError_ = put < 0 ? errno : 0;
            break;
        }
        done += static_cast<std::size_t>(put);
    }
    pos_ += done;
    return done;
}

bool TZEArchiveFile::truncate(std::uint64_t length) {
    if (ftruncate(fd_, static_cast<off_t>(length)) != 0) {
        lastError_ = errno;
        return false;
    }
    return true;
}

bool TZEArchiveFile::flush() {
    if (fsync(fd_) != 0) {
        lastError_ = errno;
        return false;
    }
    return true;
}

void TZEArchiveFile::failRead() const {
    throw FileError("Cannot read file " + path_);
}

} // namespace korvane
