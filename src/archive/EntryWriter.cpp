// The entry writer: local header, data, then the header again with CRC-32 and sizes.
#include "archive/internal/AheadCompressor.h"
#include "archive/internal/Compressor.h"
#include "archive/internal/DiskPaths.h"
#include "archive/internal/EngineInternals.h"
#include "archive/internal/NameCodec.h"
#include "archive/internal/UpdateState.h"
#include "platform/GamePath.h"

#include <algorithm>
#include <fcntl.h>
#include <optional>

namespace korvane {

namespace {

constexpr std::uint64_t kSizeLimit = 0xFFFFFFFFu;
constexpr std::size_t kEntryLimit = 0xFFFF;
constexpr std::uint16_t kVersion = 20;

// A source file, only ever opened for reading; an invalid handle when it is not a readable regular file or,
// confined, when the file opened lies outside the folder.
FileHandle openSource(const std::string& fullName, const std::optional<std::string>& confinedTo) {
    const auto native = resolveExisting(fullName);
    if (!native) {
        return {};
    }
    if (confinedTo) {
        return openInside(*native, *confinedTo).handle;
    }
    // Non-blocking, so that a pipe in place of a file is refused instead of waited on.
    FileHandle file = FileHandle::open(*native, O_RDONLY | O_NONBLOCK);
    return file.isRegularFile() ? std::move(file) : FileHandle();
}

std::string backslashed(std::string name) {
    std::replace(name.begin(), name.end(), '/', '\\');
    return name;
}

std::string localHeaderImage(const TZEZipCentralDir& central, std::size_t extraLength) {
    auto local = localHeaderFrom(central);
    local.ExtraFieldLength = static_cast<std::uint16_t>(extraLength);
    std::string image;
    ByteWriter out(image);
    writeLocalHeader(out, local);
    return image;
}

} // namespace

bool TZEBaseArchiver::writeEntry(TDirItem& item, TZEUpdateState& state, TZEAction& action) {
    const auto operation = item.PendingOperation;
    const bool byDiskName = operation == poAdd || operation == poMove;
    const std::string name = byDiskName ? item.DiskFileName : backslashed(item.StoredName);
    if (raiseFileProgress(name, 0, operation, ppStart)) {
        return false;
    }
    try {
        writeEntryData(item, state);
        raiseFileProgress(name, 100, operation, ppEnd);
        return true;
    } catch (const EZEException& error) {
        action = fxaIgnore;
        if (OnProcessFileFailure) {
            const auto& failed = operation == poUpdate ? item.StoredName : item.DiskFileName;
            OnProcessFileFailure(*this, failed, operation, error.NativeError(), error.ErrorCode(), error.Message(),
                                 action);
        }
        return false;
    }
}

void TZEBaseArchiver::writeEntryData(TDirItem& item, TZEUpdateState& state) {
    auto& header = item.CentralHeader;
    const bool folder = (header.ExternalAttributes & kAttrDirectory) != 0;
    const auto confinedTo =
        Options.ConfineToBaseDir ? std::optional<std::string>(absoluteFromWorkingFolder(BaseDir)) : std::nullopt;
    const FileHandle source = folder ? FileHandle() : openSource(item.DiskFileName, confinedTo);
    if (!folder && !source.valid()) {
        raiseError(zeerr::kCannotOpenSource, item.DiskFileName);
    }
    const std::uint64_t size = folder ? 0 : source.size().value_or(0);
    const auto ahead = static_cast<std::uint64_t>(dirManager_->BytesAhead);
    const auto headerPosition = archiveFile_->position();
    // Without Zip64 the end record counts at most 65,534 entries (65,535 would mean "see the Zip64 record").
    const bool tooMany = dirManager_->CurrentList.size() >= kEntryLimit;
    if (size >= kSizeLimit || headerPosition - ahead >= kSizeLimit || tooMany) {
        raiseError(zeerr::kZip64SourceTooLarge, item.DiskFileName);
    }
    const auto name = encodeStoredName(item.StoredName);
    header.LocalHeaderOffset = static_cast<std::uint32_t>(headerPosition - ahead);
    header.VersionMadeBy = kVersion;
    header.VersionNeeded = kVersion;
    header.Flags = name.utf8 ? kFlagUtf8Name : 0;
    header.FileNameLength = static_cast<std::uint16_t>(name.bytes.size());
    header.Crc32 = 0xFFFFFFFFu;
    header.CompressedSize = 0;
    header.UncompressedSize = static_cast<std::uint32_t>(size);
    const auto start = localHeaderImage(header, name.extra.size()) + name.bytes + name.extra;
    if (archiveFile_->write(start) != start.size()) {
        failWrite();
    }
    if (folder) {
        header.Crc32 = 0;
        header.Method = 0;
    } else {
        InternalCompressFile(source, size, item, state);
    }
    const auto end = archiveFile_->position();
    archiveFile_->seek(headerPosition);
    const auto image = localHeaderImage(header, name.extra.size());
    const bool rewritten = archiveFile_->write(image) == image.size();
    archiveFile_->seek(end);
    if (!rewritten) {
        failWrite();
    }
}

void TZEBaseArchiver::InternalCompressFile(const FileHandle& source, std::uint64_t size, TDirItem& item,
                                           TZEUpdateState& state) {
    auto& header = item.CentralHeader;
    const auto operation = item.PendingOperation;
    const auto shown = backslashed(item.StoredName);
    std::uint64_t offset = 0;
    bool readFailed = false;
    const ReadBlock read = [&](std::span<std::uint8_t> block) {
        const auto got = source.readCheckedAt(block.data(), block.size(), offset);
        readFailed = !got;
        offset += got.value_or(0);
        return got.value_or(0);
    };
    const WriteBlock write = [&](std::span<const std::uint8_t> data) {
        if (archiveFile_->write(data.data(), data.size()) == data.size()) {
            return true;
        }
        // An archive written aside ends the run; the others report the entry as failed.
        if (staged_) {
            failWrite();
        }
        return false;
    };
    const BlockProgress progress = [&](std::uint64_t processed) {
        const double part = static_cast<double>(processed) / static_cast<double>(size);
        if (raiseFileProgress(shown, part * 100, operation, ppProcess)) {
            return true;
        }
        const double overall = state.filesTotal > 0 ? (state.filesDone + part) / state.filesTotal * 100 : 0;
        return raiseOverallProgress(overall, operation, ppProcess);
    };
    const CompressJob job{item.EntryMode, header.Method == 8 && size > 0, size, staged_ != nullptr};
    const auto native =
        ahead_ && job.deflated && size >= kAheadMinimum ? resolveExisting(item.DiskFileName) : std::nullopt;
    const auto ready = native ? ahead_->take(native->string(), source) : std::nullopt;
    const auto outcome =
        ready ? writeCompressed(job, *ready, write, progress) : compressBlocks(job, read, write, progress);
    if (readFailed) {
        raiseError(zeerr::kCannotReadSource, shown);
    }
    if (outcome.processed != size) {
        raiseError(zeerr::kInvalidCompressedSize, static_cast<std::int64_t>(size),
                   static_cast<std::int64_t>(outcome.processed));
    }
    if (outcome.compressedSize >= kSizeLimit || archiveFile_->position() >= kSizeLimit) {
        raiseError(zeerr::kZip64CompressedTooLarge, item.DiskFileName);
    }
    header.Crc32 = outcome.crc;
    header.CompressedSize = static_cast<std::uint32_t>(outcome.compressedSize);
    header.UncompressedSize = static_cast<std::uint32_t>(size);
    if (size == 0) {
        header.Method = 0;
    }
}

} // namespace korvane
