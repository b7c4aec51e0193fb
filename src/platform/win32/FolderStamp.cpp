#include "platform/FolderListings.h"

#include "Wide.h"

namespace korvane {
namespace {

std::int64_t ticksOf(const FILETIME& time) {
    return static_cast<std::int64_t>((std::uint64_t{time.dwHighDateTime} << 32) | time.dwLowDateTime);
}

} // namespace

std::optional<FolderStamp> folderStamp(const std::string& folder) {
    const WinHandle handle(CreateFileW(longPath(folder).c_str(), FILE_READ_ATTRIBUTES,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                       FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    BY_HANDLE_FILE_INFORMATION info{};
    if (!handle.valid() || GetFileInformationByHandle(handle.get(), &info) == 0 ||
        (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        return std::nullopt;
    }
    // File times count 100 ns steps from 1601.
    constexpr std::int64_t kUnixEpoch = 116444736000000000;
    const std::int64_t modified = ticksOf(info.ftLastWriteTime);
    return FolderStamp{info.dwVolumeSerialNumber, (std::uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow,
                       modified, ticksOf(info.ftCreationTime), (modified - kUnixEpoch) / 10000000};
}

} // namespace korvane
