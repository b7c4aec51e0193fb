// Game files as the scanners read them: resolved under the installation, and failing with the file layer's
// own "Cannot open file" message.
#pragma once

#include "platform/FileError.h"
#include "platform/FileHandle.h"
#include "platform/GameFolders.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace korvane {

// A name found in a game file counts as existing only when it names a file whose real location is inside the
// installation (or the active mod's folder); a name that is absolute, has a drive or a ".." component is never
// looked at on disk.
bool gameFileExists(const GameFolders& folders, std::string_view name);

// Why a name that is not present counts as missing, in plain words; empty for a plain missing file.
std::string missingReason(const GameFolders& folders, std::string_view name);

// Size in bytes of an existing game file, 0 when it cannot be told.
std::uint64_t gameFileSize(const GameFolders& folders, std::string_view name);

// A file the scan could not take in, though it was there: its contents are not what the disk holds, so it
// counts as missing for the reason given.
class UnreadableFile : public FileError {
public:
    UnreadableFile(std::string name, std::string reason)
        : FileError("Cannot read file " + name), name_(std::move(name)), reason_(std::move(reason)) {}
    const std::string& name() const { return name_; }
    const std::string& reason() const { return reason_; }

private:
    std::string name_;
    std::string reason_;
};

class ScanFile {
public:
    // Opens the name where the game finds it; throws FileError "Cannot open file <folder + name>", also for a
    // name that does not count as existing, and UnreadableFile when the file opened lies outside the folder.
    ScanFile(const GameFolders& folders, std::string_view name);

    std::uint64_t size() const { return size_; }
    // Reads up to count bytes at offset; fewer where the file ends (a short read is no error). Throws
    // UnreadableFile when the system reports a failure: a read error is never taken for the file's end.
    std::size_t readAt(std::uint64_t offset, char* into, std::size_t count);
    std::string readAll();
    // The last count bytes, or the whole file when it is shorter.
    std::string readTail(std::size_t count);

private:
    std::string name_;
    FileHandle file_;
    std::uint64_t size_ = 0;
};

// Walks a file in 1024-byte blocks with the bytes after each block at hand, holding a bounded buffer.
class BlockReader {
public:
    static constexpr std::size_t kBlockSize = 1024;

    explicit BlockReader(ScanFile& file, std::size_t chunkSize = std::size_t{1} << 20);
    // The bytes from offset on: at least the block and the record span after it, where the file has them.
    std::string_view bytesFrom(std::uint64_t offset);

private:
    ScanFile& file_;
    // Left uninitialised: every byte is read before it is looked at.
    std::unique_ptr<char[]> buffer_;
    std::size_t capacity_ = 0;
    std::uint64_t bufferStart_ = 0;
    std::size_t bufferLength_ = 0;
};

} // namespace korvane
