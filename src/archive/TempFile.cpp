#include "archive/internal/TempFile.h"

#include "platform/FileError.h"
#include "platform/FileFacts.h"

#include <algorithm>
#include <fcntl.h>
#include <system_error>
#include <vector>

namespace korvane {

TZETempFile::TZETempFile(const std::string& folder) {
    std::error_code error;
    const std::filesystem::path where =
        folder.empty() ? std::filesystem::temp_directory_path(error) : std::filesystem::path(folder);
    if (error) {
        throw FileError("Cannot create a temporary file: the temporary folder is not available.");
    }
    path_ = uniqueTempFile(where, "FC");
    if (path_.empty()) {
        throw FileError::cannotCreate((where / "FC").string());
    }
    file_ = FileHandle::open(path_, O_RDWR);
    if (!file_.valid()) {
        std::error_code ignored;
        std::filesystem::remove(path_, ignored);
        throw FileError::cannotCreate(path_.string());
    }
}

TZETempFile::~TZETempFile() {
    file_.close();
    std::error_code ignored;
    std::filesystem::remove(path_, ignored);
}

bool copyBytes(const FileHandle& from, std::uint64_t fromOffset, FileHandle& to, std::uint64_t toOffset,
               std::uint64_t length) {
    std::vector<char> buffer(static_cast<std::size_t>(std::min<std::uint64_t>(length, 1 << 20)));
    while (length > 0) {
        const auto want = static_cast<std::size_t>(std::min<std::uint64_t>(length, buffer.size()));
        if (from.readAt(buffer.data(), want, fromOffset) != want || !to.writeAllAt(buffer.data(), want, toOffset)) {
            return false;
        }
        fromOffset += want;
        toOffset += want;
        length -= want;
    }
    return true;
}

} // namespace korvane
