// Files through the Windows API: UTF-16 long names, shared for reading, writing and deleting as POSIX files
// are, so that a file can be replaced while another part of the program still reads it.
#include "platform/FileHandle.h"

#include "Wide.h"

#include <algorithm>
#include <cerrno>
#include <utility>

namespace korvane {
namespace {

HANDLE native(std::intptr_t fd) {
    return reinterpret_cast<HANDLE>(fd);
}

DWORD creationOf(int flags) {
    if ((flags & O_CREAT) != 0) {
        return (flags & O_EXCL) != 0 ? CREATE_NEW : (flags & O_TRUNC) != 0 ? CREATE_ALWAYS : OPEN_ALWAYS;
    }
    return (flags & O_TRUNC) != 0 ? TRUNCATE_EXISTING : OPEN_EXISTING;
}

DWORD accessOf(int flags) {
    switch (flags & (O_RDONLY | O_WRONLY | O_RDWR)) {
    case O_WRONLY:
        return GENERIC_WRITE;
    case O_RDWR:
        return GENERIC_READ | GENERIC_WRITE;
    default:
        return GENERIC_READ;
    }
}

OVERLAPPED at(std::uint64_t offset) {
    OVERLAPPED overlapped{};
    overlapped.Offset = static_cast<DWORD>(offset);
    overlapped.OffsetHigh = static_cast<DWORD>(offset >> 32);
    return overlapped;
}

std::optional<BY_HANDLE_FILE_INFORMATION> informationOf(HANDLE handle) {
    BY_HANDLE_FILE_INFORMATION info{};
    if (GetFileInformationByHandle(handle, &info) == 0) {
        return std::nullopt;
    }
    return info;
}

FileIdentity identityFrom(const BY_HANDLE_FILE_INFORMATION& info) {
    return {info.dwVolumeSerialNumber, (std::uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow};
}

} // namespace

FileHandle FileHandle::open(const std::filesystem::path& path, int flags, unsigned) {
    const HANDLE handle =
        CreateFileW(longPath(path).c_str(), accessOf(flags), FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, creationOf(flags), FILE_ATTRIBUTE_NORMAL | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        takeLastError();
        return {};
    }
    return FileHandle(reinterpret_cast<std::intptr_t>(handle));
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
        OVERLAPPED where = at(offset + done);
        DWORD got = 0;
        const auto chunk = static_cast<DWORD>(std::min<std::size_t>(size - done, 1U << 30));
        if (ReadFile(native(fd_), out + done, chunk, &got, &where) == 0) {
            if (GetLastError() != ERROR_HANDLE_EOF) {
                takeLastError();
            }
            break;
        }
        if (got == 0) {
            break;
        }
        done += got;
    }
    return done;
}

std::size_t FileHandle::writeAt(const void* data, std::size_t size, std::uint64_t offset) {
    const auto* in = static_cast<const char*>(data);
    std::size_t done = 0;
    while (done < size) {
        OVERLAPPED where = at(offset + done);
        DWORD put = 0;
        const auto chunk = static_cast<DWORD>(std::min<std::size_t>(size - done, 1U << 30));
        if (WriteFile(native(fd_), in + done, chunk, &put, &where) == 0) {
            takeLastError();
            break;
        }
        if (put == 0) {
            errno = 0;
            break;
        }
        done += put;
    }
    return done;
}

std::optional<std::uint64_t> FileHandle::size() const {
    LARGE_INTEGER length{};
    if (!valid() || GetFileSizeEx(native(fd_), &length) == 0) {
        return std::nullopt;
    }
    return static_cast<std::uint64_t>(length.QuadPart);
}

bool FileHandle::isRegularFile() const {
    const auto info = valid() ? informationOf(native(fd_)) : std::nullopt;
    return info && GetFileType(native(fd_)) == FILE_TYPE_DISK &&
           (info->dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::optional<FileIdentity> FileHandle::identity() const {
    const auto info = valid() ? informationOf(native(fd_)) : std::nullopt;
    return info ? std::optional(identityFrom(*info)) : std::nullopt;
}

std::optional<FileIdentity> fileIdentity(const std::filesystem::path& path) {
    const FileHandle file = FileHandle::open(path, O_RDONLY);
    return file.identity();
}

// The lock covers one byte far past any archive's end, so that it keeps other engines out without
// stopping anyone from reading the file.
bool FileHandle::lock(bool exclusive) {
    OVERLAPPED where = at(~std::uint64_t{0} - 1);
    const DWORD flags = LOCKFILE_FAIL_IMMEDIATELY | (exclusive ? LOCKFILE_EXCLUSIVE_LOCK : 0);
    return LockFileEx(native(fd_), flags, 0, 1, 0, &where) != 0;
}

bool FileHandle::truncate(std::uint64_t length) {
    FILE_END_OF_FILE_INFO end{};
    end.EndOfFile.QuadPart = static_cast<LONGLONG>(length);
    if (SetFileInformationByHandle(native(fd_), FileEndOfFileInfo, &end, sizeof end) == 0) {
        takeLastError();
        return false;
    }
    return true;
}

bool FileHandle::sync() {
    if (FlushFileBuffers(native(fd_)) == 0) {
        takeLastError();
        return false;
    }
    return true;
}

bool FileHandle::close() noexcept {
    if (!valid()) {
        return true;
    }
    return CloseHandle(native(std::exchange(fd_, -1))) != 0;
}

namespace {

thread_local std::uint64_t syncedFolders = 0;

} // namespace

// A rename made with MOVEFILE_WRITE_THROUGH is on the disk when it returns; there is no folder to flush.
void syncFolder(const std::filesystem::path&) {
    ++syncedFolders;
}

std::uint64_t folderSyncs() {
    return syncedFolders;
}

} // namespace korvane
