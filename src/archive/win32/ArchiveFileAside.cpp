// The archive written aside on Windows: a hidden file beside the destination, moved over it once complete.
// A destination the game holds open cannot be replaced; the run then fails, the old archive stays and the
// hidden file goes with the archive's closing.
#include "archive/internal/ArchiveFile.h"
#include "platform/AtomicFile.h"
#include "platform/FileError.h"

#include <windows.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <random>

namespace korvane {

namespace {

namespace fs = std::filesystem;

fs::path folderOf(const fs::path& file) {
    return file.has_parent_path() ? file.parent_path() : fs::path(".");
}

} // namespace

TZEArchiveFile TZEArchiveFile::createAside(const std::string& destination, bool) {
    static std::mt19937_64 random{std::random_device{}()};
    const fs::path target = fileToReplace(destination).value_or(destination);
    for (int attempt = 0; attempt < 100; ++attempt) {
        char suffix[20];
        std::snprintf(suffix, sizeof suffix, ".%012llx", static_cast<unsigned long long>(random() & 0xFFFFFFFFFFFFull));
        const std::string hidden = (folderOf(target) / ("~" + target.filename().string() + suffix)).string();
        FileHandle handle = FileHandle::open(hidden, O_RDWR | O_CREAT | O_EXCL);
        if (handle.valid()) {
            SetFileAttributesW(fs::path(hidden).wstring().c_str(), FILE_ATTRIBUTE_HIDDEN);
            TZEArchiveFile file(std::move(handle), destination, true);
            file.hiddenPath_ = hidden;
            return file;
        }
        if (errno != EEXIST) {
            break;
        }
    }
    throw FileError::cannotCreate(destination);
}

void TZEArchiveFile::replaceDestination() {
    const fs::path target = fileToReplace(path_).value_or(path_);
    keepPermissionsOf(target, handle());
    if (!flush()) {
        failWrite(lastError_);
    }
    file_.close();
    if (MoveFileExW(fs::path(hiddenPath_).wstring().c_str(), target.wstring().c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) == 0) {
        // Replacing a file another program holds without delete sharing is refused as a sharing violation or
        // as access denied, which a read-only destination gives too.
        const DWORD error = GetLastError();
        const DWORD attributes = GetFileAttributesW(target.wstring().c_str());
        const bool readOnly = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
        const bool held = error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION ||
                          (error == ERROR_ACCESS_DENIED && !readOnly);
        failWrite(held ? EBUSY : EACCES);
    }
    hiddenPath_.clear();
}

} // namespace korvane
