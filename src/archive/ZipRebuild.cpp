// The entry list of an archive that carries only the component's own end-record signature, rebuilt by walking
// its local headers from the start of the file.
#include "archive/internal/EngineInternals.h"
#include "archive/internal/NameCodec.h"

namespace korvane {
namespace {

TZEZipCentralDir centralHeaderFrom(const TZEZipLocalHeader& local, std::uint64_t offset) {
    TZEZipCentralDir h;
    h.VersionMadeBy = local.VersionNeeded;
    h.VersionNeeded = local.VersionNeeded;
    h.Flags = local.Flags;
    h.Method = local.Method;
    h.LastModTime = local.LastModTime;
    h.LastModDate = local.LastModDate;
    h.Crc32 = local.Crc32;
    h.CompressedSize = local.CompressedSize;
    h.UncompressedSize = local.UncompressedSize;
    h.FileNameLength = local.FileNameLength;
    h.LocalHeaderOffset = static_cast<std::uint32_t>(offset);
    return h;
}

} // namespace

void TZEBaseArchiver::rebuildFromLocalHeaders() {
    TZEArchiveFile& file = *archiveFile_;
    TZEDirManager& dir = *dirManager_;
    const std::uint64_t size = file.size();
    std::uint64_t offset = 0;
    // Each step moves past at least one whole header, so the walk ends within the file.
    while (size - offset >= TZEZipLocalHeader::kSize) {
        file.seek(offset);
        const std::string fixed = file.readExact(TZEZipLocalHeader::kSize);
        ByteReader in(fixed);
        const TZEZipLocalHeader local = readLocalHeader(in);
        const std::uint64_t next =
            offset + TZEZipLocalHeader::kSize + local.FileNameLength + local.ExtraFieldLength + local.CompressedSize;
        if (local.Signature != kLocalHeaderSignature || next > size) {
            break;
        }
        const std::string name = file.readExact(local.FileNameLength);
        TDirItem item;
        item.CentralHeader = centralHeaderFrom(local, offset);
        item.StoredName = storedNameFromArchive(name, local.Flags, 0);
        // Local headers carry no attributes; a name ending in '/' is a folder.
        const bool folder = !item.StoredName.empty() && item.StoredName.back() == '/';
        item.CentralHeader.ExternalAttributes = folder ? kAttrDirectory : kAttrArchive;
        dir.CurrentList.push_back(std::move(item));
        offset = next;
    }
    if (dir.CurrentList.empty()) {
        raiseError(zeerr::kInvalidArchive);
    }
}

} // namespace korvane
