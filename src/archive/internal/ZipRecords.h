// The ZIP records the engine reads and writes, in their APPNOTE field order, with parse and serialize helpers.
#pragma once

#include "archive/internal/ByteBuffer.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace korvane {

inline constexpr std::uint32_t kLocalHeaderSignature = 0x04034B50;
inline constexpr std::uint32_t kCentralHeaderSignature = 0x02014B50;
inline constexpr std::uint32_t kEndOfCentralDirSignature = 0x06054B50;
// The component's own end-record signature, looked for first when opening.
inline constexpr std::uint32_t kAltEndOfCentralDirSignature = 0x06054141;
inline constexpr std::uint32_t kZip64LocatorSignature = 0x07064B50;
inline constexpr std::uint32_t kZip64EndSignature = 0x06064B50;
inline constexpr std::uint16_t kZip64ExtraId = 1;
// General purpose flag bits.
inline constexpr std::uint16_t kFlagEncrypted = 1;
inline constexpr std::uint16_t kFlagUtf8Name = 0x0800;

struct TZEZipCentralDirEnd {
    static constexpr std::size_t kSize = 22;
    std::uint32_t Signature = kEndOfCentralDirSignature;
    std::uint16_t NumberOfThisDisk = 0;
    std::uint16_t DiskWithCentralDir = 0;
    std::uint16_t EntriesOnThisDisk = 0;
    std::uint16_t TotalEntries = 0;
    std::uint32_t CentralDirSize = 0;
    std::uint32_t CentralDirOffset = 0;
    std::uint16_t CommentLength = 0;
};

struct TZEZip64CentralDirEndLocator {
    static constexpr std::size_t kSize = 20;
    std::uint32_t Signature = kZip64LocatorSignature;
    std::uint32_t DiskWithZip64End = 0;
    std::uint64_t Zip64EndOffset = 0;
    std::uint32_t TotalDisks = 1;
};

struct TZEZip64CentralDirEnd {
    static constexpr std::size_t kSize = 56;
    std::uint32_t Signature = kZip64EndSignature;
    std::uint64_t RecordSize = kSize - 12; // counts the bytes after this field
    std::uint16_t VersionMadeBy = 45;
    std::uint16_t VersionNeeded = 45;
    std::uint32_t NumberOfThisDisk = 0;
    std::uint32_t DiskWithCentralDir = 0;
    std::uint64_t EntriesOnThisDisk = 0;
    std::uint64_t TotalEntries = 0;
    std::uint64_t CentralDirSize = 0;
    std::uint64_t CentralDirOffset = 0;
};

struct TZEZipCentralDir {
    static constexpr std::size_t kSize = 46;
    std::uint32_t Signature = kCentralHeaderSignature;
    std::uint16_t VersionMadeBy = 0;
    std::uint16_t VersionNeeded = 0;
    std::uint16_t Flags = 0;
    std::uint16_t Method = 0;
    std::uint16_t LastModTime = 0;
    std::uint16_t LastModDate = 0;
    std::uint32_t Crc32 = 0;
    std::uint32_t CompressedSize = 0;
    std::uint32_t UncompressedSize = 0;
    std::uint16_t FileNameLength = 0;
    std::uint16_t ExtraFieldLength = 0;
    std::uint16_t FileCommentLength = 0;
    std::uint16_t DiskNumberStart = 0;
    std::uint16_t InternalAttributes = 0;
    std::uint32_t ExternalAttributes = 0;
    std::uint32_t LocalHeaderOffset = 0;
};

struct TZEZipLocalHeader {
    static constexpr std::size_t kSize = 30;
    std::uint32_t Signature = kLocalHeaderSignature;
    std::uint16_t VersionNeeded = 0;
    std::uint16_t Flags = 0;
    std::uint16_t Method = 0;
    std::uint16_t LastModTime = 0;
    std::uint16_t LastModDate = 0;
    std::uint32_t Crc32 = 0;
    std::uint32_t CompressedSize = 0;
    std::uint32_t UncompressedSize = 0;
    std::uint16_t FileNameLength = 0;
    std::uint16_t ExtraFieldLength = 0;
};

// Each read takes the record's fixed part from the reader; check reader.ok() afterwards.
TZEZipCentralDirEnd readCentralDirEnd(ByteReader& in);
TZEZip64CentralDirEndLocator readZip64Locator(ByteReader& in);
TZEZip64CentralDirEnd readZip64CentralDirEnd(ByteReader& in);
TZEZipCentralDir readCentralDir(ByteReader& in);
TZEZipLocalHeader readLocalHeader(ByteReader& in);

// Each write appends the record's fixed part, exactly kSize bytes.
void writeCentralDirEnd(ByteWriter& out, const TZEZipCentralDirEnd& record);
void writeZip64Locator(ByteWriter& out, const TZEZip64CentralDirEndLocator& record);
void writeZip64CentralDirEnd(ByteWriter& out, const TZEZip64CentralDirEnd& record);
void writeCentralDir(ByteWriter& out, const TZEZipCentralDir& record);
void writeLocalHeader(ByteWriter& out, const TZEZipLocalHeader& record);

// The same record image as a local header: the fields the two share.
TZEZipLocalHeader localHeaderFrom(const TZEZipCentralDir& central);

} // namespace korvane
