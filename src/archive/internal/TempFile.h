// The temporary file that holds the archive's tail while entries are replaced in place.
#pragma once

#include "platform/FileHandle.h"

#include <cstdint>
#include <filesystem>
#include <string>

namespace korvane {

class TZETempFile {
public:
    // A new file with the prefix "FC" in the folder, or in the system's temporary folder when it is empty.
    // Throws FileError "Cannot create file %s".
    explicit TZETempFile(const std::string& folder);
    ~TZETempFile(); // closes and deletes the file
    TZETempFile(const TZETempFile&) = delete;
    TZETempFile& operator=(const TZETempFile&) = delete;

    const std::filesystem::path& path() const { return path_; }
    FileHandle& handle() { return file_; }

private:
    std::filesystem::path path_;
    FileHandle file_;
};

// Copies length bytes from one file's offset to another's; false on a short read or write.
bool copyBytes(const FileHandle& from, std::uint64_t fromOffset, FileHandle& to, std::uint64_t toOffset,
               std::uint64_t length);

} // namespace korvane
