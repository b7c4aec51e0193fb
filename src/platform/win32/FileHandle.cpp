// Files through the Windows API: UTF-16 long names, shared for reading, writing and deleting as POSIX files
// are, so that a file can be replaced while another part of the program still reads it.
#include "platform/FileHandle.h"

#include "platform/FileFacts.h"

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
    const auto ticks = static_cast<std::int64_t>((std::uint64_t{info.ftLastWriteTime.dwHighDateTime} << 32) |
                                                 info.ftLastWriteTime.dwLowDateTime);
    return {info.dwVolumeSerialNumber, (std::uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow,
            (std::uint64_t{info.nFileSizeHigh} << 32) | info.nFileSizeLow, ticks / 10000000, ticks % 10000000 * 100};
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

namespace {

struct ReadResult {
    std::size_t done = 0;
    bool failed = false;
};

ReadResult readFrom(HANDLE handle, char* out, std::size_t size, std::uint64_t offset) {
    ReadResult result;
    while (result.done < size) {
        OVERLAPPED where = at(offset + result.done);
        DWORD got = 0;
        const auto chunk = static_cast<DWORD>(std::min<std::size_t>(size - result.done, 1U << 30));
        if (ReadFile(handle, out + result.done, chunk, &got, &where) == 0) {
            result.failed = GetLastError() != ERROR_HANDLE_EOF;
            if (result.failed) {
                takeLastError();
            }
            break;
        }
        if (got == 0) {
            break;
        }
        result.done += got;
    }
    return result;
}

} // namespace

std::size_t FileHandle::readAt(void* buffer, std::size_t size, std::uint64_t offset) const {
    return readFrom(native(fd_), static_cast<char*>(buffer), size, offset).done;
}

std::optional<std::size_t> FileHandle::readCheckedAt(void* buffer, std::size_t size, std::uint64_t offset) const {
    const ReadResult result = readFrom(native(fd_), static_cast<char*>(buffer), size, offset);
    return result.failed ? std::nullopt : std::optional<std::size_t>(result.done);
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

// The file's final location after every link and junction, as Windows tells it for the open handle, must lie
// inside the folder's.
ContainedFile openInside(const std::filesystem::path& path, const std::filesystem::path& folder) {
    ContainedFile opened{FileHandle::open(path, O_RDONLY)};
    if (!opened.handle.valid() || !opened.handle.isRegularFile()) {
        return {};
    }
    std::wstring real(32768, L'\0');
    const DWORD length = GetFinalPathNameByHandleW(native(opened.handle.descriptor()), real.data(),
                                                   static_cast<DWORD>(real.size()), FILE_NAME_NORMALIZED);
    real.resize(length < real.size() ? length : 0);
    if (real.empty()) {
        real = realLocation(path).wstring(); // a system that tells no final path past 260 characters (Wine)
    }
    std::wstring realFolder = longPath(folder);
    while (realFolder.ends_with(L'\\')) {
        realFolder.pop_back();
    }
    const bool inside = real.size() > realFolder.size() + 1 && real[realFolder.size()] == L'\\' &&
                        CompareStringOrdinal(real.data(), static_cast<int>(realFolder.size()), realFolder.data(),
                                             static_cast<int>(realFolder.size()), TRUE) == CSTR_EQUAL;
    if (!inside) {
        return {FileHandle(), true};
    }
    return opened;
}

} // namespace korvane
