// What the Windows half of the platform shares: UTF-16 text and names, and Windows errors as errno values.
#pragma once

#include <windows.h>

#include <filesystem>
#include <string>
#include <string_view>

namespace korvane {

std::wstring toWide(std::string_view utf8);
std::string fromWide(std::wstring_view wide);
// The name the file functions take: absolute, with the \\?\ prefix so that paths past 260 characters work and
// every name is taken as written.
std::wstring longPath(const std::filesystem::path& path);
// A registry key as the registry functions take it: "\\Software\\Korvane" without its leading separators.
std::wstring registryKeyPath(std::string_view key);
// Sets errno for the last Windows error and returns it: EBUSY for a file another program holds unshared,
// ENOSPC for a full disk, EACCES, ENOENT, EEXIST as usual.
int takeLastError();

// A HANDLE closed with its owner.
class WinHandle {
public:
    explicit WinHandle(HANDLE handle = INVALID_HANDLE_VALUE) : handle_(handle) {}
    WinHandle(const WinHandle&) = delete;
    WinHandle& operator=(const WinHandle&) = delete;
    ~WinHandle() {
        if (valid()) {
            CloseHandle(handle_);
        }
    }
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }
    HANDLE get() const { return handle_; }

private:
    HANDLE handle_;
};

} // namespace korvane
