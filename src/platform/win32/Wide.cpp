#include "Wide.h"

#include <algorithm>
#include <cerrno>

namespace korvane {

std::wstring toWide(std::string_view utf8) {
    if (utf8.empty()) {
        return {};
    }
    const int size = static_cast<int>(utf8.size());
    std::wstring wide(static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0)), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), static_cast<int>(wide.size()));
    return wide;
}

std::string fromWide(std::wstring_view wide) {
    if (wide.empty()) {
        return {};
    }
    const int size = static_cast<int>(wide.size());
    std::string utf8(
        static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr)),
        '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, utf8.data(), static_cast<int>(utf8.size()), nullptr, nullptr);
    return utf8;
}

namespace {

// The length of the root that "." and ".." never climb past: "C:\" or "\\server\share\".
std::size_t rootLength(std::wstring_view name) {
    if (!name.starts_with(LR"(\\)")) {
        return std::min<std::size_t>(name.size(), 3);
    }
    std::size_t end = name.find(L'\\', 2);
    end = end == std::wstring_view::npos ? name.size() : name.find(L'\\', end + 1);
    return end == std::wstring_view::npos ? name.size() : end + 1;
}

} // namespace

std::wstring registryKeyPath(std::string_view key) {
    while (!key.empty() && key.front() == '\\') {
        key.remove_prefix(1);
    }
    return toWide(key);
}

std::wstring longPath(const std::filesystem::path& path) {
    std::wstring name = path.wstring();
    if (name.starts_with(LR"(\\?\)")) {
        return name;
    }
    // Made absolute by text alone: asking Windows (GetFullPathNameW) would strip trailing dots and spaces and
    // turn a reserved name such as CON into the device, so that the name would alias another file. "." and ".."
    // are worked out here in one pass, however many levels the name has.
    if (!path.has_root_name() || !path.has_root_directory()) {
        std::error_code error;
        name = (std::filesystem::current_path(error) / path).wstring();
    }
    std::replace(name.begin(), name.end(), L'/', L'\\');
    const std::size_t root = rootLength(name);
    std::wstring normal = name.substr(0, root);
    for (std::size_t start = root; start < name.size();) {
        std::size_t end = name.find(L'\\', start);
        end = end == std::wstring::npos ? name.size() : end;
        const std::wstring_view part(name.data() + start, end - start);
        if (part == L"..") {
            const std::size_t cut = normal.size() > root ? normal.find_last_of(L'\\', normal.size() - 2) : root - 1;
            normal.resize(std::max(cut + 1, root));
        } else if (!part.empty() && part != L".") {
            normal.append(part);
            if (end < name.size()) {
                normal += L'\\';
            }
        }
        start = end + 1;
    }
    if (normal.starts_with(LR"(\\)")) {
        return LR"(\\?\UNC\)" + normal.substr(2);
    }
    return LR"(\\?\)" + normal;
}

int takeLastError() {
    switch (GetLastError()) {
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_USER_MAPPED_FILE:
        errno = EBUSY;
        break;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        errno = ENOSPC;
        break;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
        errno = ENOENT;
        break;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
        errno = EEXIST;
        break;
    default:
        errno = EACCES;
        break;
    }
    return errno;
}

} // namespace korvane
