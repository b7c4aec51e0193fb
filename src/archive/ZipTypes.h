// The archive component's enumerations, option set, open modes and the record a search fills.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace korvane {

enum TZECompressionLevel { clNone, clFastest, clNormal, clMax };
enum TZEStorePathMode { spNoPath, spRelativePath, spFullPath };
enum TZEFileShareMode { smShareCompat, smShareExclusive, smShareDenyWrite, smShareDenyRead, smShareDenyNone };
enum TZEOverwriteMode { omPrompt, omAlways, omNever, omIfNewer, omIfOlder };
enum TZip64Mode { zmDisabled, zmAuto, zmAlways };
enum TZESpanningMode { smNone, smSpanning, smSplitting };
enum TZEProcessOperation {
    poAdd,
    poMove,
    poDelete,
    poUpdate,
    poExtract,
    poTest,
    poRename,
    poChangeAttr,
    poChangeComment
};
enum TZEProgressPhase { ppStart, ppProcess, ppEnd };
enum TZEAction { fxaRetry, fxaIgnore, fxaAbort };

// The file-open share flags of each share mode: 0, 16, 32, 48, 64.
constexpr std::uint32_t ShareModeToInt(TZEFileShareMode mode) {
    return static_cast<std::uint32_t>(mode) * 16;
}

// OpenArchive's mode doubles as the file-open mode of the archive file.
inline constexpr std::uint16_t kOpenModeRead = 0;
inline constexpr std::uint16_t kOpenModeCreate = 65535;
// Updates are allowed unless both access bits of the mode are clear.
constexpr bool openModeAllowsUpdates(std::uint16_t mode) {
    return (mode & 3) != 0;
}

// Attribute bits as archives and searches carry them.
inline constexpr std::uint32_t kAttrReadOnly = 1;
inline constexpr std::uint32_t kAttrHidden = 2;
inline constexpr std::uint32_t kAttrSysFile = 4;
inline constexpr std::uint32_t kAttrVolumeId = 8;
inline constexpr std::uint32_t kAttrDirectory = 16;
inline constexpr std::uint32_t kAttrArchive = 32;
// Every attribute but the directory bit: what every search of the program passes.
inline constexpr std::uint16_t kSearchAttrFiles = 47;
inline constexpr std::uint16_t kSearchAttrAll = 63;

// Compression mode 0..9 is also the deflate level; it selects the size of the blocks fed to deflate.
constexpr std::size_t compressionBlockSize(std::uint8_t mode) {
    if (mode >= 1 && mode <= 3) {
        return 524288;
    }
    if (mode >= 7) {
        return 1572864;
    }
    return 1048576;
}

struct TZEOptions {
    bool Recurse = true;
    TZEStorePathMode StorePath = spRelativePath;
    TZEFileShareMode ShareMode = smShareDenyNone;
    TZEOverwriteMode OverwriteMode = omAlways;
    bool CreateDirs = true;
    bool ReplaceReadOnly = true;
    bool SetAttributes = true;
    std::uint16_t SearchAttr = 63;
    bool FlushBuffers = true;
    // A source file is read only when the file opened lies inside BaseDir after every link, so that a link
    // swapped in after the walk never brings in a file from elsewhere.
    bool ConfineToBaseDir = false;
};

// A search's own state; it lives in the caller's item, so one item serves one search at a time.
struct TInternalSearchRec {
    std::int32_t Index = 0;
    std::string FileMask; // at most kMaxSearchMaskLength characters
    bool HasWildcards = false;
    std::uint32_t SearchAttr = 0;
    std::string ExclusionMask;
    bool UsePropertyMasks = false;
};
inline constexpr std::size_t kMaxSearchMaskLength = 259;
// The longest stored name, in bytes as stored, that the engine writes. Its reader takes every name the format
// holds (up to 65,535 bytes), as other tools write them and the game reads them.
inline constexpr std::size_t kMaxStoredNameLength = 256;

// A file a coming AddFiles call will add: its native path as the walk resolves it, and the folder it must lie in.
struct TZEAheadFile {
    std::string Path;
    std::string Folder;
};

struct TZEDirectoryCounts {
    std::uint64_t counted = 0; // by the end record
    std::uint64_t headers = 0; // in the directory
};

struct TZEArchiveItem {
    std::string FileName;   // after the last '\' (or ':')
    std::string StoredPath; // up to and including the last '\' (or ':'); empty at the root
    std::int64_t CompressedSize = 0;
    std::int64_t UncompressedSize = 0;
    double CompressionRate = 0;
    bool Encrypted = false;
    std::uint16_t LastModFileDate = 0;
    std::uint16_t LastModFileTime = 0;
    std::uint32_t CRC = 0;
    std::uint32_t ExternalFileAttributes = 0;
    std::string Comment;
    // Beyond the component's record: what a check against the game's own reader needs.
    std::string StoredName;              // UTF-8, '/' separators, a folder's trailing '/' kept
    std::uint16_t StoredNameLength = 0;  // bytes of the name as the archive stores it
    std::uint16_t CompressionMethod = 0; // 0 stored, 8 deflated
    std::uint64_t LocalHeaderOffset = 0; // where the entry's local header starts in the file
    TInternalSearchRec SearchRec;
};

} // namespace korvane
