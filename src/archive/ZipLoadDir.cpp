// Loading the central directory into CurrentList. Every count and length here comes from the file, so each is
// checked against the bytes actually there before it is used.
#include "archive/internal/EngineInternals.h"
#include "archive/internal/NameCodec.h"
#include "platform/FileError.h"

#include <algorithm>

namespace korvane {
namespace {

constexpr std::uint32_t kAllOnes32 = 0xFFFFFFFF;
constexpr std::uint16_t kAllOnes16 = 0xFFFF;

// Where the directory ends and what it holds.
struct DirectoryExtent {
    std::uint64_t End = 0;
    std::uint64_t Size = 0;
    std::uint64_t Offset = 0;
    std::uint64_t Count = 0;
};

[[noreturn]] void failRead(const TZEArchiveFile& file) {
    throw FileError("Cannot read file " + file.path());
}

// A Zip64 extended-information block supplies, in this order, each value whose header field is all ones.
void takeZip64Values(TDirItem& item) {
    ByteReader blocks(item.ExtraField);
    while (blocks.remaining() >= 4) {
        const std::uint16_t id = blocks.u16();
        const std::string_view data = blocks.bytes(blocks.u16());
        if (!blocks.ok()) {
            return;
        }
        if (id != kZip64ExtraId) {
            continue;
        }
        const TZEZipCentralDir& h = item.CentralHeader;
        ByteReader in(data);
        item.Zip64UncompressedSize = h.UncompressedSize == kAllOnes32 ? in.u64() : 0;
        item.Zip64CompressedSize = h.CompressedSize == kAllOnes32 ? in.u64() : 0;
        item.Zip64LocalHeaderOffset = h.LocalHeaderOffset == kAllOnes32 ? in.u64() : 0;
        item.Zip64DiskNumber = h.DiskNumberStart == kAllOnes16 ? in.u32() : 0;
        item.NeedsZip64 = true;
        return;
    }
}

// Headers one after another from the directory's start, whatever the end record counts.
std::uint64_t headersIn(std::string_view directory) {
    ByteReader in(directory);
    std::uint64_t count = 0;
    // Only the signature and the three lengths are read: counting needs no more of a header.
    constexpr std::size_t kAheadOfLengths = 24;
    constexpr std::size_t kAfterLengths = 12;
    while (in.remaining() >= TZEZipCentralDir::kSize) {
        const std::uint32_t signature = in.u32();
        in.skip(kAheadOfLengths);
        std::size_t variable = in.u16();
        variable += in.u16();
        variable += in.u16();
        in.skip(kAfterLengths + variable);
        if (signature != kCentralHeaderSignature || !in.ok()) {
            break;
        }
        ++count;
    }
    return count;
}

} // namespace

void TZEBaseArchiver::loadCentralDirectory(const TZEEndRecordFound& end) {
    TZEArchiveFile& file = *archiveFile_;
    TZEDirManager& dir = *dirManager_;
    dir.CentralDirEnd = end.Record;
    dir.ArchiveComment = end.Comment;
    DirectoryExtent extent{end.Position, end.Record.CentralDirSize, end.Record.CentralDirOffset,
                           end.Record.TotalEntries};
    if (end.Position >= TZEZip64CentralDirEndLocator::kSize) {
        file.seek(end.Position - TZEZip64CentralDirEndLocator::kSize);
        const std::string bytes = file.readExact(TZEZip64CentralDirEndLocator::kSize);
        ByteReader in(bytes);
        const TZEZip64CentralDirEndLocator locator = readZip64Locator(in);
        if (locator.Signature == kZip64LocatorSignature) {
            // The Zip64 record lies ahead of its locator, and the directory ends where the record starts.
            const std::uint64_t limit = end.Position - TZEZip64CentralDirEndLocator::kSize;
            if (locator.Zip64EndOffset > limit || limit - locator.Zip64EndOffset < TZEZip64CentralDirEnd::kSize) {
                raiseError(zeerr::kNoZip64EndRecord);
            }
            file.seek(locator.Zip64EndOffset);
            const std::string recordBytes = file.readExact(TZEZip64CentralDirEnd::kSize);
            ByteReader recordIn(recordBytes);
            const TZEZip64CentralDirEnd record = readZip64CentralDirEnd(recordIn);
            if (record.Signature != kZip64EndSignature) {
                raiseError(zeerr::kNoZip64EndRecord);
            }
            extent = {locator.Zip64EndOffset, record.CentralDirSize, record.CentralDirOffset, record.TotalEntries};
        }
    }
    if (extent.Size > extent.End) {
        failRead(file);
    }
    const std::uint64_t start = extent.End - extent.Size;
    // The offset field counts from where the archive starts, which lies at or before the directory found;
    // past it, the bytes ahead would be negative and every entry's offset would point elsewhere.
    if (extent.Offset > start) {
        raiseError(zeerr::kArchiveDamaged);
    }
    dir.BytesAhead = static_cast<std::int64_t>(start - extent.Offset);
    file.seek(start);
    const std::string bytes = file.readExact(static_cast<std::size_t>(file.size() - start));
    ByteReader in(bytes);
    dir.CountedEntries = extent.Count;
    dir.DirectoryHeaders = headersIn(std::string_view(bytes).substr(0, static_cast<std::size_t>(extent.Size)));
    dir.CurrentList.reserve(
        static_cast<std::size_t>(std::min<std::uint64_t>(extent.Count, bytes.size() / TZEZipCentralDir::kSize)));
    for (std::uint64_t i = 0; i < extent.Count; ++i) {
        // Filled where it stays: a directory holds tens of thousands of entries.
        TDirItem& item = dir.CurrentList.emplace_back();
        item.CentralHeader = readCentralDir(in);
        const TZEZipCentralDir& h = item.CentralHeader;
        const std::string_view name = in.bytes(h.FileNameLength);
        item.ExtraField = in.bytes(h.ExtraFieldLength);
        item.EntryComment = in.bytes(h.FileCommentLength);
        if (!in.ok()) {
            failRead(file);
        }
        item.StoredName = storedNameFromArchive(name, h.Flags, h.VersionMadeBy, item.ExtraField);
        takeZip64Values(item);
    }
}

} // namespace korvane
