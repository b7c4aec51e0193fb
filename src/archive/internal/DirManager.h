// The archive's directory as the engine holds it while an archive is open.
#pragma once

#include "archive/ZipTypes.h"
#include "archive/internal/ZipRecords.h"

#include <cstdint>
#include <string>
#include <vector>

namespace korvane {

struct TDirItem {
    TZEZipCentralDir CentralHeader;
    std::string StoredName;   // UTF-8, '/' separators
    std::string ExtraField;   // the extra-field blocks as read, back to back
    std::string EntryComment; // bytes as stored
    // Values a Zip64 extended-information block supplies, each only where the header field is all ones.
    bool NeedsZip64 = false;
    std::uint64_t Zip64UncompressedSize = 0;
    std::uint64_t Zip64CompressedSize = 0;
    std::uint64_t Zip64LocalHeaderOffset = 0;
    std::uint32_t Zip64DiskNumber = 0;
    // State of the update in progress.
    bool Modified = false;
    std::string DiskFileName;
    std::uint8_t EntryMode = 0;
    TZEProcessOperation PendingOperation = poAdd;

    // The sizes and offset in force: the Zip64 value where the header holds all ones.
    std::uint64_t compressedSize() const;
    std::uint64_t uncompressedSize() const;
    std::uint64_t localHeaderOffset() const;
};

using TZEDirArray = std::vector<TDirItem>;

struct TZEDirManager {
    TZEZipCentralDirEnd CentralDirEnd;
    std::string ArchiveComment; // bytes as stored
    // Bytes found ahead of the archive's first entry (a stub or prepended data); local header offsets are
    // relative to where the archive starts, this much later in the file.
    std::int64_t BytesAhead = 0;
    // As the archive was opened: the entries its end record counts, and the headers its directory holds.
    std::uint64_t CountedEntries = 0;
    std::uint64_t DirectoryHeaders = 0;
    TZEDirArray CurrentList;
    TZEDirArray SnapshotList;
};

} // namespace korvane
