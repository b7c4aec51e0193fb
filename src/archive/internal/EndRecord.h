// Finding the end of central directory record: it and its comment must end exactly at the end of the file.
#pragma once

#include "archive/internal/ArchiveFile.h"
#include "archive/internal/ZipRecords.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace korvane {

// The end record lies in the last 65,536 + 64 bytes: a 22-byte record with a comment of up to 65,535.
inline constexpr std::size_t kEndRecordWindow = 65600;

struct TZETailWindow {
    std::uint64_t Offset = 0; // where the window starts in the file
    std::string Bytes;
};

struct TZEEndRecordFound {
    std::uint64_t Position = 0; // of the record's signature in the file
    TZEZipCentralDirEnd Record;
    std::string Comment; // bytes as stored
};

// Reads the last min(kEndRecordWindow, size) bytes of the file.
TZETailWindow readTailWindow(TZEArchiveFile& file);
// Scans the window backwards for one signature; the candidate nearest the end whose comment length reaches
// exactly to the end of the file wins.
std::optional<TZEEndRecordFound> GetCentralDirEnd(const TZETailWindow& tail, std::uint32_t signature);

} // namespace korvane
