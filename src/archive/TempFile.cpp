#include "archive/TempFile.h"

#include "platform/FileError.h"
#include "platform/FileFacts.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <system_error>
#include <unistd.h>
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
    fd_ = ::open(path_.c_str(), O_RDWR | O_CLOEXEC);
    if (fd_ < 0) {
        std::error_code ignored;
        std::filesystem::remove(path_, ignored);
        throw FileError::cannotCreate(path_.string());
    }
}

TZETempFile::~TZETempFile() {
    ::close(fd_);
    std::error_code ignored;
    std::filesystem::remove(path_, ignored);
}

bool copyBytes(int from, std::uint64_t fromOffset, int to, std::uint64_t toOffset, std::uint64_t length) {
    std::vector<char> buffer(static_cast<std::size_t>(std::min<std::uint64_t>(length, 1 << 20)));
    while (length > 0) {
        const auto want = static_cast<std::size_t>(std::min<std::uint64_t>(length, buffer.size()));
        const auto got = ::pread(from, buffer.data(), want, static_cast<off_t>(fromOffset));
        if (got <= 0) {
            if (got < 0 && errno == EINTR) {
                continue;
            }
            return false;
        }
        std::size_t written = 0;
        while (written < static_cast<std::size_t>(got)) {
            const auto put = ::pwrite(to, buffer.data() + written, static_cast<std::size_t>(got) - written,
                                      static_cast<off_t>(toOffset + written));
            if (put <= 0) {
                if (put < 0 && errno == EINTR) {
                    continue;
                }
                return false;
            }
            written += static_cast<std::size_t>(put);
        }
        fromOffset += static_cast<std::uint64_t>(got);
        toOffset += static_cast<std::uint64_t>(got);
        length -= static_cast<std::uint64_t>(got);
    }
    return true;
}

} // namespace korvane
