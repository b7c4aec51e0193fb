#include "archive/internal/ZipRecords.h"

namespace korvane {

TZEZipCentralDirEnd readCentralDirEnd(ByteReader& in) {
    TZEZipCentralDirEnd r;
    r.Signature = in.u32();
    r.NumberOfThisDisk = in.u16();
    r.DiskWithCentralDir = in.u16();
    r.EntriesOnThisDisk = in.u16();
    r.TotalEntries = in.u16();
    r.CentralDirSize = in.u32();
    r.CentralDirOffset = in.u32();
    r.CommentLength = in.u16();
    return r;
}

TZEZip64CentralDirEndLocator readZip64Locator(ByteReader& in) {
    TZEZip64CentralDirEndLocator r;
    r.Signature = in.u32();
    r.DiskWithZip64End = in.u32();
    r.Zip64EndOffset = in.u64();
    r.TotalDisks = in.u32();
    return r;
}

TZEZip64CentralDirEnd readZip64CentralDirEnd(ByteReader& in) {
    TZEZip64CentralDirEnd r;
    r.Signature = in.u32();
    r.RecordSize = in.u64();
    r.VersionMadeBy = in.u16();
    r.VersionNeeded = in.u16();
    r.NumberOfThisDisk = in.u32();
    r.DiskWithCentralDir = in.u32();
    r.EntriesOnThisDisk = in.u64();
    r.TotalEntries = in.u64();
    r.CentralDirSize = in.u64();
    r.CentralDirOffset = in.u64();
    return r;
}

TZEZipCentralDir readCentralDir(ByteReader& in) {
    TZEZipCentralDir r;
    r.Signature = in.u32();
    r.VersionMadeBy = in.u16();
    r.VersionNeeded = in.u16();
    r.Flags = in.u16();
    r.Method = in.u16();
    r.LastModTime = in.u16();
    r.LastModDate = in.u16();
    r.Crc32 = in.u32();
    r.CompressedSize = in.u32();
    r.UncompressedSize = in.u32();
    r.FileNameLength = in.u16();
    r.ExtraFieldLength = in.u16();
    r.FileCommentLength = in.u16();
    r.DiskNumberStart = in.u16();
    r.InternalAttributes = in.u16();
    r.ExternalAttributes = in.u32();
    r.LocalHeaderOffset = in.u32();
    return r;
}

TZEZipLocalHeader readLocalHeader(ByteReader& in) {
    TZEZipLocalHeader r;
    r.Signature = in.u32();
    r.VersionNeeded = in.u16();
    r.Flags = in.u16();
    r.Method = in.u16();
    r.LastModTime = in.u16();
    r.LastModDate = in.u16();
    r.Crc32 = in.u32();
    r.CompressedSize = in.u32();
    r.UncompressedSize = in.u32();
    r.FileNameLength = in.u16();
    r.ExtraFieldLength = in.u16();
    return r;
}

void writeCentralDirEnd(ByteWriter& out, const TZEZipCentralDirEnd& r) {
    out.u32(r.Signature);
    out.u16(r.NumberOfThisDisk);
    out.u16(r.DiskWithCentralDir);
    out.u16(r.EntriesOnThisDisk);
    out.u16(r.TotalEntries);
    out.u32(r.CentralDirSize);
    out.u32(r.CentralDirOffset);
    out.u16(r.CommentLength);
}

void writeZip64Locator(ByteWriter& out, const TZEZip64CentralDirEndLocator& r) {
    out.u32(r.Signature);
    out.u32(r.DiskWithZip64End);
    out.u64(r.Zip64EndOffset);
    out.u32(r.TotalDisks);
}

void writeZip64CentralDirEnd(ByteWriter& out, const TZEZip64CentralDirEnd& r) {
    out.u32(r.Signature);
    out.u64(r.RecordSize);
    out.u16(r.VersionMadeBy);
    out.u16(r.VersionNeeded);
    out.u32(r.NumberOfThisDisk);
    out.u32(r.DiskWithCentralDir);
    out.u64(r.EntriesOnThisDisk);
    out.u64(r.TotalEntries);
    out.u64(r.CentralDirSize);
    out.u64(r.CentralDirOffset);
}

void writeCentralDir(ByteWriter& out, const TZEZipCentralDir& r) {
    out.u32(r.Signature);
    out.u16(r.VersionMadeBy);
    out.u16(r.VersionNeeded);
    out.u16(r.Flags);
    out.u16(r.Method);
    out.u16(r.LastModTime);
    out.u16(r.LastModDate);
    out.u32(r.Crc32);
    out.u32(r.CompressedSize);
    out.u32(r.UncompressedSize);
    out.u16(r.FileNameLength);
    out.u16(r.ExtraFieldLength);
    out.u16(r.FileCommentLength);
    out.u16(r.DiskNumberStart);
    out.u16(r.InternalAttributes);
    out.u32(r.ExternalAttributes);
    out.u32(r.LocalHeaderOffset);
}

void writeLocalHeader(ByteWriter& out, const TZEZipLocalHeader& r) {
    out.u32(r.Signature);
    out.u16(r.VersionNeeded);
    out.u16(r.Flags);
    out.u16(r.Method);
    out.u16(r.LastModTime);
    out.u16(r.LastModDate);
    out.u32(r.Crc32);
    out.u32(r.CompressedSize);
    out.u32(r.UncompressedSize);
    out.u16(r.FileNameLength);
    out.u16(r.ExtraFieldLength);
}

TZEZipLocalHeader localHeaderFrom(const TZEZipCentralDir& c) {
    TZEZipLocalHeader r;
    r.VersionNeeded = c.VersionNeeded;
    r.Flags = c.Flags;
    r.Method = c.Method;
    r.LastModTime = c.LastModTime;
    r.LastModDate = c.LastModDate;
    r.Crc32 = c.Crc32;
    r.CompressedSize = c.CompressedSize;
    r.UncompressedSize = c.UncompressedSize;
    r.FileNameLength = c.FileNameLength;
    r.ExtraFieldLength = c.ExtraFieldLength;
    return r;
}

} // namespace korvane
