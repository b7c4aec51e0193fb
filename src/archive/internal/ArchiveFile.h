// The open archive file: one descriptor, held from OpenArchive to CloseArchive, with an advisory lock
// (shared for reading, exclusive for writing) that keeps other cooperating writers out meanwhile.
#pragma once

#include "platform/FileHandle.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace korvane {

class TZEArchiveFile {
public:
    // Opens an existing file; a mode whose access bits are clear opens it read-only with a shared lock,
    // any other read-write with an exclusive one. Throws FileError "Cannot open file %s".
    static TZEArchiveFile open(const std::string& path, std::uint16_t mode);
    // Creates the file, or empties an existing one once it is locked, for reading and writing.
    // Throws FileError "Cannot create file %s".
    static TZEArchiveFile create(const std::string& path);
    // A new file in the destination's folder that nobody else sees: unnamed where the file system allows
    // (and `unnamed` asks for it), else under a hidden name that closing removes. path() is the destination.
    // Throws FileError "Cannot create file %s".
    static TZEArchiveFile createAside(const std::string& destination, bool unnamed = true);

    TZEArchiveFile(TZEArchiveFile&& other) noexcept;
    TZEArchiveFile& operator=(TZEArchiveFile&& other) noexcept;
    TZEArchiveFile(const TZEArchiveFile&) = delete;
    TZEArchiveFile& operator=(const TZEArchiveFile&) = delete;
    ~TZEArchiveFile();

    const std::string& path() const { return path_; }
    bool writable() const { return writable_; }
    std::intptr_t descriptor() const { return file_.descriptor(); }
    FileHandle& handle() { return file_; }

    std::uint64_t size() const; // throws FileError "Cannot read file %s"
    std::uint64_t position() const { return pos_; }
    void seek(std::uint64_t position) { pos_ = position; }

    // Reads up to n bytes at the position and advances; returns how many arrived (0 at the end).
    std::size_t read(void* buffer, std::size_t n);
    // Reads exactly n bytes or throws FileError "Cannot read file %s".
    void readExact(void* buffer, std::size_t n);
    std::string readExact(std::size_t n);
    // Writes at the position and advances; returns how many bytes were written (fewer on a full disk).
    std::size_t write(const void* buffer, std::size_t n);
    std::size_t write(std::string_view bytes) { return write(bytes.data(), bytes.size()); }
    // Cuts (or extends) the file at the given length; false when the file system refuses.
    bool truncate(std::uint64_t length);
    // Pushes written data to the disk.
    bool flush();
    // Releases the lock and the descriptor now; the destructor does the same.
    void close() noexcept;
    // The errno of the last write or flush that failed.
    int lastError() const { return lastError_; }
    // A file made by createAside, flushed, takes the destination's place (and permissions) in one rename;
    // the folder is flushed after. Throws ArchiveWriteError; the destination is then untouched.
    void replaceDestination();

private:
    TZEArchiveFile(FileHandle file, std::string path, bool writable)
        : file_(std::move(file)), path_(std::move(path)), writable_(writable) {}
    [[noreturn]] void failRead() const;
    [[noreturn]] void failWrite(int error) const;

    FileHandle file_;
    std::string path_;
    bool writable_ = false;
    std::uint64_t pos_ = 0;
    int lastError_ = 0;
    std::string hiddenPath_; // a createAside file's own name until it replaces the destination
};

} // namespace korvane
