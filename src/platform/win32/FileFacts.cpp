// What Windows says about files: its attribute bits are the game's platform's own.
#include "platform/FileFacts.h"

#include "platform/FileHandle.h"

#include "Wide.h"

#include <random>

namespace korvane {

// A link is followed: the handle opened on the path is what it leads to.
PathKind pathKind(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(longPath(path.empty() ? "." : path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return PathKind::None;
    }
    if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) {
        return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? PathKind::Folder : PathKind::File;
    }
    const WinHandle target(CreateFileW(longPath(path).c_str(), FILE_READ_ATTRIBUTES,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                       FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    BY_HANDLE_FILE_INFORMATION info{};
    if (!target.valid() || GetFileInformationByHandle(target.get(), &info) == 0) {
        return PathKind::None;
    }
    return (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? PathKind::Folder : PathKind::File;
}

// Windows tells the final path of an open handle, long names included, as \\?\C:\... or \\?\UNC\...
std::filesystem::path realLocation(const std::filesystem::path& path) {
    const std::wstring name = longPath(path);
    const WinHandle handle(CreateFileW(name.c_str(), FILE_READ_ATTRIBUTES,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                       FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!handle.valid()) {
        return {};
    }
    std::wstring real(32768, L'\0');
    const DWORD length =
        GetFinalPathNameByHandleW(handle.get(), real.data(), static_cast<DWORD>(real.size()), FILE_NAME_NORMALIZED);
    if (length > 0 && length < real.size()) {
        real.resize(length);
        return real;
    }
    // Some systems (Wine) tell no final path past 260 characters: an entry that is no link lies where its
    // folder really is.
    const std::filesystem::path full(name);
    const DWORD attributes = GetFileAttributesW(name.c_str());
    if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0 || !full.has_relative_path() || full.parent_path() == full) {
        return {};
    }
    const auto folder = realLocation(full.parent_path());
    return folder.empty() ? std::filesystem::path() : folder / full.filename();
}

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

namespace {

// A name Windows reserves for a device (CON, PRN, AUX, NUL, COM1..9, LPT1..9, with any extension) or one it
// strips a trailing dot or space from: written through a long name it would become a file that no other program
// can open or delete by its name.
bool reservedName(const std::wstring& name) {
    if (name.empty() || name.back() == L'.' || name.back() == L' ') {
        return true;
    }
    std::wstring base = name.substr(0, name.find(L'.'));
    while (!base.empty() && base.back() == L' ') {
        base.pop_back();
    }
    for (auto& c : base) {
        c = c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - L'a' + L'A') : c;
    }
    if (base == L"CON" || base == L"PRN" || base == L"AUX" || base == L"NUL") {
        return true;
    }
    return base.size() == 4 && (base.starts_with(L"COM") || base.starts_with(L"LPT")) && base[3] >= L'1' &&
           base[3] <= L'9';
}

} // namespace

bool probeWritable(const std::filesystem::path& path) {
    if (reservedName(path.filename().wstring())) {
        return false;
    }
    const DWORD attributes = GetFileAttributesW(longPath(path).c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        // A read-only file is refused whoever runs the program: Windows would refuse to replace it at the end.
        if ((attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) != 0) {
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
