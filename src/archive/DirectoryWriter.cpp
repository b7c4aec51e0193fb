// SaveDir: the central directory and the end record, written in one piece where the entries end.
#include "archive/internal/EngineInternals.h"
#include "archive/internal/NameCodec.h"
#include "archive/internal/UnicodePathField.h"

#include <algorithm>

namespace korvane {

namespace {

void appendCentralRecord(std::string& image, const TDirItem& item) {
    auto header = item.CentralHeader;
    const auto name = encodeStoredName(item.StoredName);
    header.Flags = static_cast<std::uint16_t>((header.Flags & ~kFlagUtf8Name) | (name.utf8 ? kFlagUtf8Name : 0));
    header.FileNameLength = static_cast<std::uint16_t>(name.bytes.size());
    const std::string extra = withUnicodePath(item.ExtraField, name.extra);
    header.ExtraFieldLength = static_cast<std::uint16_t>(extra.size());
    header.FileCommentLength = static_cast<std::uint16_t>(item.EntryComment.size());
    ByteWriter out(image);
    writeCentralDir(out, header);
    out.bytes(name.bytes);
    out.bytes(extra);
    out.bytes(item.EntryComment);
}

} // namespace

void TZEBaseArchiver::SaveDir(std::uint64_t start, std::size_t unchanged) {
    auto& manager = *dirManager_;
    const auto& list = manager.CurrentList;
    unchanged = std::min({unchanged, list.size(), directoryImageEnds_.size()});
    std::vector<std::size_t> ends(directoryImageEnds_.begin(),
                                  directoryImageEnds_.begin() + static_cast<std::ptrdiff_t>(unchanged));
    std::string image = directoryImage_.substr(0, ends.empty() ? 0 : ends.back());
    for (std::size_t i = unchanged; i < list.size(); ++i) {
        appendCentralRecord(image, list[i]);
        ends.push_back(image.size());
    }
    auto end = manager.CentralDirEnd;
    end.Signature = endRecordSignature_;
    end.NumberOfThisDisk = 0;
    end.DiskWithCentralDir = 0;
    end.TotalEntries = static_cast<std::uint16_t>(std::min<std::size_t>(list.size(), 0xFFFF));
    end.EntriesOnThisDisk = end.TotalEntries;
    end.CentralDirSize = static_cast<std::uint32_t>(image.size());
    end.CentralDirOffset = static_cast<std::uint32_t>(start - static_cast<std::uint64_t>(manager.BytesAhead));
    end.CommentLength = static_cast<std::uint16_t>(manager.ArchiveComment.size());
    const auto directorySize = image.size();
    ByteWriter out(image);
    writeCentralDirEnd(out, end);
    out.bytes(manager.ArchiveComment);
    if (!archiveFile_->truncate(start)) {
        failWrite();
    }
    archiveFile_->seek(start);
    if (archiveFile_->write(image) != image.size()) {
        failWrite();
    }
    image.resize(directorySize);
    manager.CentralDirEnd = end;
    directoryImage_ = std::move(image);
    directoryImageEnds_ = std::move(ends);
}

} // namespace korvane
