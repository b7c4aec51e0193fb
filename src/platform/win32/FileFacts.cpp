// What Windows says about files: its attribute bits are the game's platform's own.
#include "platform/FileFacts.h"

#include "platform/FileHandle.h"

#include "Wide.h"

#include <random>

namespace korvane {

bool toLocalTime(std::time_t when, std::tm& local) {
    return localtime_s(&local, &when) == 0;
}

std::optional<std::uint32_t> fileAttributes(const std::filesystem::path& path) {
    const DWORD attributes = GetFileAttributesW(longPath(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return std::nullopt;
    }
    constexpr DWORD kKnown = faReadOnly | faHidden | faSysFile | faDirectory | faArchive;
    return static_cast<std::uint32_t>(attributes & kKnown);
}

std::optional<DosDateTime> lastWriteDosDateTime(const std::filesystem::path& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    FILETIME local{};
    DosDateTime packed;
    if (GetFileAttributesExW(longPath(path).c_str(), GetFileExInfoStandard, &data) == 0 ||
        FileTimeToLocalFileTime(&data.ftLastWriteTime, &local) == 0 ||
        FileTimeToDosDateTime(&local, &packed.date, &packed.time) == 0) {
        return std::nullopt;
    }
    return packed;
}

bool createFolder(const std::filesystem::path& path) {
    return CreateDirectoryW(longPath(path).c_str(), nullptr) != 0;
}

bool probeWritable(const std::filesystem::path& path) {
    const DWORD attributes = GetFileAttributesW(longPath(path).c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
            return false;
        }
        // Opened for writing, not truncated: the file keeps every byte.
        if (!FileHandle::open(path, O_WRONLY).valid()) {
            return false;
        }
    }
    const auto folder = path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
    // A file that deletes itself on closing shows whether the folder takes new files.
    const std::filesystem::path probe = folder / ("~korvane-probe-" + std::to_string(GetCurrentProcessId()));
    const WinHandle file(CreateFileW(longPath(probe).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                     FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE, nullptr));
    return file.valid();
}

std::filesystem::path uniqueTempFile(const std::filesystem::path& folder, std::string_view prefix) {
    static std::mt19937_64 random{std::random_device{}()};
    for (int attempt = 0; attempt < 100; ++attempt) {
        const auto name = folder / (std::string(prefix) + std::to_string(random() % 1000000000) + ".tmp");
        const FileHandle file = FileHandle::open(name, O_WRONLY | O_CREAT | O_EXCL);
        if (file.valid()) {
            return name;
        }
        if (errno != EEXIST) {
            break;
        }
    }
    return {};
}

} // namespace korvane
