#include "scan/ScanFiles.h"

#include "platform/FileError.h"
#include "platform/GamePath.h"
#include "scan/ReferenceRecords.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <system_error>

namespace korvane {

namespace {

const char* const kLeadsOutside = "a link leads out of the game folder";

} // namespace

bool gameFileExists(const GameFolders& folders, std::string_view name) {
    return folders.fileExists(name);
}

std::string missingReason(const GameFolders& folders, std::string_view name) {
    switch (folders.lookUp(name).file.status) {
    case GameFileStatus::ClimbsUp:
        return "the name steps up a folder with \"..\", which the game cannot find in a GRO; the map must name "
               "the file by its own path";
    case GameFileStatus::LeadsOutside:
        return kLeadsOutside;
    case GameFileStatus::NotRelative:
        return "not a name inside the game folder";
    case GameFileStatus::Present:
    case GameFileStatus::Missing:
        break;
    }
    return {};
}

std::uint64_t gameFileSize(const GameFolders& folders, std::string_view name) {
    const GameFile file = folders.lookUp(name).file;
    if (file.status != GameFileStatus::Present) {
        return 0;
    }
    std::error_code error;
    const auto size = std::filesystem::file_size(file.path, error);
    return error ? 0 : size;
}

ScanFile::ScanFile(const GameFolders& folders, std::string_view name) : name_(name) {
    const auto [folder, file] = folders.lookUp(name);
    const std::string full = folder + std::string(name);
    if (file.status != GameFileStatus::Present) {
        throw FileError::cannotOpen(full);
    }
    // The file read is the file opened and checked, not whatever its name leads to by then.
    ContainedFile opened = openInside(file.path, folder);
    if (opened.outside) {
        throw UnreadableFile(name_, kLeadsOutside);
    }
    // Only regular files: a pipe or device would block or never end.
    if (!opened.handle.valid()) {
        throw FileError::cannotOpen(full);
    }
    file_ = std::move(opened.handle);
    size_ = file_.size().value_or(0);
}

std::size_t ScanFile::readAt(std::uint64_t offset, char* into, std::size_t count) {
    if (offset >= size_ || count == 0) {
        return 0;
    }
    const auto got =
        file_.readCheckedAt(into, static_cast<std::size_t>(std::min<std::uint64_t>(count, size_ - offset)), offset);
    if (!got) {
        throw UnreadableFile(name_, "it could not be read: " + std::generic_category().message(errno));
    }
    return *got;
}

std::string ScanFile::readAll() {
    return readTail(static_cast<std::size_t>(size_));
}

std::string ScanFile::readTail(std::size_t count) {
    const std::uint64_t length = std::min<std::uint64_t>(count, size_);
    std::string bytes(static_cast<std::size_t>(length), '\0');
    bytes.resize(readAt(size_ - length, bytes.data(), bytes.size()));
    return bytes;
}

BlockReader::BlockReader(ScanFile& file, std::size_t chunkSize) : file_(file) {
    // A small file needs no more buffer than its own size.
    const std::uint64_t wanted =
        std::min<std::uint64_t>(std::max(chunkSize, kBlockSize), std::max<std::uint64_t>(file.size(), 1));
    capacity_ = static_cast<std::size_t>(wanted) + kMaxRecordSpan;
    buffer_ = std::make_unique_for_overwrite<char[]>(capacity_);
}

std::string_view BlockReader::bytesFrom(std::uint64_t offset) {
    const std::uint64_t wantedEnd = std::min<std::uint64_t>(offset + kBlockSize + kMaxRecordSpan, file_.size());
    const std::uint64_t bufferEnd = bufferStart_ + bufferLength_;
    if (offset < bufferStart_ || wantedEnd > bufferEnd) {
        // Keep what is still ahead and fill up behind it.
        std::size_t kept = 0;
        if (offset >= bufferStart_ && offset < bufferEnd) {
            kept = static_cast<std::size_t>(bufferEnd - offset);
            std::copy_n(buffer_.get() + (offset - bufferStart_), kept, buffer_.get());
        }
        bufferStart_ = offset;
        bufferLength_ = kept + file_.readAt(offset + kept, buffer_.get() + kept, capacity_ - kept);
    }
    const std::size_t from = static_cast<std::size_t>(offset - bufferStart_);
    return std::string_view(buffer_.get() + from, bufferLength_ - from);
}

} // namespace korvane
