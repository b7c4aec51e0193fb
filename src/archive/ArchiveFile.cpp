#include "archive/internal/ArchiveFile.h"

#include "archive/ArchiveWriteError.h"
#include "archive/ZipTypes.h"
#include "platform/FileError.h"

#include <cerrno>
#include <filesystem>

namespace korvane {

TZEArchiveFile TZEArchiveFile::open(const std::string& path, std::uint16_t mode) {
    const bool writable = openModeAllowsUpdates(mode);
    FileHandle handle = FileHandle::open(path, writable ? O_RDWR : O_RDONLY);
    if (!handle.valid()) {
        throw FileError::cannotOpen(path);
    }
    TZEArchiveFile file(std::move(handle), path, writable);
    // Another engine (or any cooperating program) holding the file makes the open fail, as on the game's
    // platform.
    if (!file.file_.isRegularFile() || !file.file_.lock(writable)) {
        throw FileError::cannotOpen(path);
    }
    return file;
}

TZEArchiveFile TZEArchiveFile::create(const std::string& path) {
    FileHandle handle = FileHandle::open(path, O_RDWR | O_CREAT, 0666);
    if (!handle.valid()) {
        throw FileError::cannotCreate(path);
    }
    TZEArchiveFile file(std::move(handle), path, true);
    // Empty the file only once it is ours, so that a file another engine holds is left intact.
    if (!file.file_.isRegularFile() || !file.file_.lock(true) || !file.file_.truncate(0)) {
        throw FileError::cannotCreate(path);
    }
    return file;
}

TZEArchiveFile::TZEArchiveFile(TZEArchiveFile&& other) noexcept
    : file_(std::move(other.file_)), path_(std::move(other.path_)), writable_(other.writable_), pos_(other.pos_),
      lastError_(other.lastError_), hiddenPath_(std::exchange(other.hiddenPath_, {})) {}

TZEArchiveFile& TZEArchiveFile::operator=(TZEArchiveFile&& other) noexcept {
    if (this != &other) {
        close();
        file_ = std::move(other.file_);
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
    // Closing the last descriptor of the open file releases its lock.
    file_.close();
    if (!hiddenPath_.empty()) {
        std::error_code ignored;
        std::filesystem::remove(hiddenPath_, ignored);
        hiddenPath_.clear();
    }
}

std::uint64_t TZEArchiveFile::size() const {
    const auto length = file_.size();
    if (!length) {
        failRead();
    }
    return *length;
}

std::size_t TZEArchiveFile::read(void* buffer, std::size_t n) {
    const std::size_t done = file_.readAt(buffer, n, pos_);
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
    const std::size_t done = file_.writeAt(buffer, n, pos_);
    if (done < n) {
        lastError_ = errno;
    }
    pos_ += done;
    return done;
}

bool TZEArchiveFile::truncate(std::uint64_t length) {
    if (!file_.truncate(length)) {
        lastError_ = errno;
        return false;
    }
    return true;
}

bool TZEArchiveFile::flush() {
    if (!file_.sync()) {
        lastError_ = errno;
        return false;
    }
    return true;
}

void TZEArchiveFile::failWrite(int error) const {
    throw ArchiveWriteError(path_, error);
}

void TZEArchiveFile::failRead() const {
    throw FileError("Cannot read file " + path_);
}

} // namespace korvane
