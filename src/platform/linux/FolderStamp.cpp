#include "platform/FolderListings.h"

#include <sys/stat.h>

namespace korvane {

std::optional<FolderStamp> folderStamp(const std::string& folder) {
    struct stat info {};
    if (::stat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
        return std::nullopt;
    }
    constexpr std::int64_t kNano = 1000000000;
    return FolderStamp{static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino),
                       info.st_mtim.tv_sec * kNano + info.st_mtim.tv_nsec,
                       info.st_ctim.tv_sec * kNano + info.st_ctim.tv_nsec, info.st_mtim.tv_sec};
}

} // namespace korvane
