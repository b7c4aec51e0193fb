// The archive written aside: a file beside the destination that takes its place only when complete, so an
// interrupted run, a full disk or a second run never costs the archive that was there before.
#include "archive/ArchiveWriteError.h"
#include "archive/internal/ArchiveFile.h"
#include "platform/AtomicFile.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <random>
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

std::string procPath(std::intptr_t fd) {
    return "/proc/self/fd/" + std::to_string(fd);
}

// A free hidden name beside the file; `make` creates it and reports errno, EEXIST meaning try another.
template <typename Make> std::string hiddenName(const fs::path& file, Make make) {
    static std::mt19937_64 random{std::random_device{}()};
    for (int attempt = 0; attempt < 100; ++attempt) {
        char suffix[20];
        std::snprintf(suffix, sizeof suffix, ".%012llx", static_cast<unsigned long long>(random() & 0xFFFFFFFFFFFFull));
        // Cut so that the hidden name stays within the longest name a folder takes.
        const std::string base = file.filename().string().substr(0, 200);
        const std::string name = (folderOf(file) / ("." + base + suffix)).string();
        const int error = make(name);
        if (error != EEXIST) {
            return error == 0 ? name : std::string();
        }
    }
    return {};
}

} // namespace

TZEArchiveFile TZEArchiveFile::createAside(const std::string& destination, bool unnamed) {
    const fs::path target = replacedFile(destination);
    FileHandle handle = unnamed ? FileHandle::open(folderOf(target), O_TMPFILE | O_RDWR, 0666) : FileHandle();
    // Naming it at the end goes through /proc; without it the file gets a hidden name from the start.
    if (handle.valid() && ::access(procPath(handle.descriptor()).c_str(), F_OK) != 0) {
        handle.close();
    }
    std::string hidden;
    if (!handle.valid()) {
        hidden = hiddenName(target, [&handle](const std::string& name) {
            handle = FileHandle::open(name, O_RDWR | O_CREAT | O_EXCL, 0666);
            return handle.valid() ? 0 : errno;
        });
        if (hidden.empty()) {
            throw FileError::cannotCreate(destination);
        }
    }
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

} // namespace korvane
