#include "platform/FileHandle.h"

#include <cerrno>
#include <utility>

namespace korvane {

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

std::optional<std::string> readWholeFile(const std::filesystem::path& path) {
    const FileHandle file = FileHandle::open(path, O_RDONLY | O_NONBLOCK);
    if (!file.valid() || !file.isRegularFile()) {
        return std::nullopt;
    }
    std::string bytes;
    constexpr std::size_t kChunk = 1 << 16;
    for (;;) {
        const std::size_t start = bytes.size();
        bytes.resize(start + kChunk);
        errno = 0;
        const std::size_t got = file.readAt(bytes.data() + start, kChunk, start);
        bytes.resize(start + got);
        if (got < kChunk) {
            return errno == 0 ? std::optional(std::move(bytes)) : std::nullopt;
        }
    }
}

bool sameFileOnDisk(const std::filesystem::path& a, const std::filesystem::path& b) {
    const auto first = fileIdentity(a);
    const auto second = first ? fileIdentity(b) : std::nullopt;
    return second && first->device == second->device && first->file == second->file;
}

} // namespace korvane
