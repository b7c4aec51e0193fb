// A fresh folder for one test, removed with everything in it when the test ends.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace korvane::testing {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // The folder as an InstallRoot: native, ending in the separator.
    std::string root() const { return path_.string() + static_cast<char>(std::filesystem::path::preferred_separator); }
    // Writes a file (folders created), relative path with '/' separators.
    std::filesystem::path write(std::string_view relative, std::string_view bytes) const;

private:
    std::filesystem::path path_;
};

std::string readFile(const std::filesystem::path& path);
// The names in a folder, sorted: what a test sees left behind there.
std::vector<std::string> folderNames(const std::filesystem::path& folder);

} // namespace korvane::testing
