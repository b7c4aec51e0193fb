// An open file: the descriptor closes with the handle, and reads and writes at an offset retry after
// interruptions and partial transfers, so that each moves every byte it can or says why not.
// Flags are open(2)'s on every platform; on Windows failures set errno too (EBUSY: another program holds the
// file without sharing it).
#pragma once

#include <fcntl.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

// Flags a platform's open lacks mean nothing there: Windows has no pipes to block on at open.
#ifndef O_NONBLOCK
#define O_NONBLOCK 0
#endif
#ifndef O_CLOEXEC
#define O_CLOEXEC 0
#endif

namespace korvane {

// Which file an open file or a path is, whatever its name: device and inode, or volume and file index.
struct FileIdentity {
    std::uint64_t device = 0;
    std::uint64_t file = 0;
    std::uint64_t size = 0;
    std::int64_t changedSeconds = 0; // the last change of its contents or facts
    std::int64_t changedNanoseconds = 0;
    bool operator==(const FileIdentity&) const = default;
};
std::optional<FileIdentity> fileIdentity(const std::filesystem::path& path);
// True when both paths name one existing file or folder, links followed. (MinGW's std::filesystem::equivalent
// tells two names of one folder apart.)
bool sameFileOnDisk(const std::filesystem::path& a, const std::filesystem::path& b);

class FileHandle {
public:
    FileHandle() = default;
    explicit FileHandle(std::intptr_t fd) noexcept : fd_(fd) {}
    // open(2) with close-on-exec added; an invalid handle on failure, with errno saying why.
    static FileHandle open(const std::filesystem::path& path, int flags, unsigned mode = 0666);

    FileHandle(FileHandle&& other) noexcept;
    FileHandle& operator=(FileHandle&& other) noexcept;
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle();

    bool valid() const { return fd_ != -1; }
    // The descriptor, or on Windows the HANDLE.
    std::intptr_t descriptor() const { return fd_; }

    // Bytes read from the offset: fewer than asked only at the end of the file or on a failure.
    std::size_t readAt(void* buffer, std::size_t size, std::uint64_t offset) const;
    // Like readAt, but nothing when the system reported a failure (errno saying which) rather than the end.
    std::optional<std::size_t> readCheckedAt(void* buffer, std::size_t size, std::uint64_t offset) const;
    // Bytes written at the offset: fewer than asked only on a failure, errno then saying why (0 when the
    // system took no byte and gave no reason).
    std::size_t writeAt(const void* data, std::size_t size, std::uint64_t offset);
    bool writeAllAt(const void* data, std::size_t size, std::uint64_t offset) {
        return writeAt(data, size, offset) == size;
    }

    std::optional<std::uint64_t> size() const;
    bool isRegularFile() const;
    std::optional<FileIdentity> identity() const;
    // Takes the advisory lock that keeps other cooperating openers out, shared or exclusive, without waiting.
    bool lock(bool exclusive);
    bool truncate(std::uint64_t length);
    // Pushes written data to the disk.
    bool sync();
    // Closes now; false when the system reports that written data may not have reached the file.
    bool close() noexcept;

private:
    std::intptr_t fd_ = -1;
};

// The bytes of a regular file; nothing when it cannot be opened or read, or is no regular file (a pipe or a
// device would block or never end).
std::optional<std::string> readWholeFile(const std::filesystem::path& path);

// Opens a file for reading only when the file opened is a regular file whose real location, after every
// link, lies inside the real folder: the file checked is the file read, whatever is swapped in meanwhile.
// An invalid handle otherwise, with contained saying whether the file was there but outside.
struct ContainedFile {
    FileHandle handle;
    bool outside = false; // opened, but it lies outside the folder
};
ContainedFile openInside(const std::filesystem::path& path, const std::filesystem::path& folder);

// Flushes a folder's entries, so that a file just renamed into it keeps its new name after a crash.
void syncFolder(const std::filesystem::path& folder);
// Folder flushes made by this thread so far: tests see with it that a new name was made durable.
std::uint64_t folderSyncs();

} // namespace korvane
