// Reading one member's data back: stored or deflated, checked against its CRC.
#include "archive/ZipEngine.h"
#include "archive/internal/ArchiveFile.h"
#include "archive/internal/DirManager.h"
#include "archive/internal/ZipRecords.h"
#include "platform/FileError.h"

#include <zlib.h>

#include <climits>

namespace korvane {

namespace {

constexpr std::size_t kLocalHeaderSize = 30;

std::uint32_t little(const std::string& bytes, std::size_t at, int count) {
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i) {
        value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    }
    return value;
}

std::optional<std::string> inflated(const std::string& packed, std::uint64_t size) {
    std::string data(static_cast<std::size_t>(size), '\0');
    z_stream stream{};
    if (inflateInit2(&stream, -MAX_WBITS) != Z_OK) {
        return std::nullopt;
    }
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(packed.data()));
    stream.avail_in = static_cast<uInt>(packed.size());
    stream.next_out = reinterpret_cast<Bytef*>(data.data());
    stream.avail_out = static_cast<uInt>(data.size());
    const int result = inflate(&stream, Z_FINISH);
    inflateEnd(&stream);
    // Like the game, read up to the uncompressed size; a stream that ends early is damaged.
    if ((result != Z_STREAM_END && result != Z_OK && result != Z_BUF_ERROR) || stream.avail_out != 0) {
        return std::nullopt;
    }
    return data;
}

} // namespace

std::optional<std::string> TZEBaseArchiver::ReadItemData(const TZEArchiveItem& Item, std::uint64_t maxSize) {
    const auto index = static_cast<std::size_t>(Item.SearchRec.Index);
    if (!dirManager_ || !archiveFile_ || Item.SearchRec.Index < 0 || index >= dirManager_->CurrentList.size()) {
        return std::nullopt;
    }
    const TDirItem& entry = dirManager_->CurrentList[index];
    const std::uint64_t size = entry.uncompressedSize();
    const std::uint64_t packedSize = entry.compressedSize();
    const std::uint16_t method = entry.CentralHeader.Method;
    if (Item.Encrypted || size > maxSize || packedSize > UINT_MAX || size > UINT_MAX || (method != 0 && method != 8)) {
        return std::nullopt;
    }
    try {
        archiveFile_->seek(static_cast<std::uint64_t>(dirManager_->BytesAhead) + entry.localHeaderOffset());
        const std::string header = archiveFile_->readExact(kLocalHeaderSize);
        if (little(header, 0, 4) != kLocalHeaderSignature) {
            return std::nullopt;
        }
        archiveFile_->seek(archiveFile_->position() + little(header, 26, 2) + little(header, 28, 2));
        const std::string packed = archiveFile_->readExact(static_cast<std::size_t>(packedSize));
        std::optional<std::string> data = method == 0 ? std::optional<std::string>(packed) : inflated(packed, size);
        if (!data || data->size() != size ||
            crc32(0, reinterpret_cast<const Bytef*>(data->data()), static_cast<uInt>(data->size())) !=
                entry.CentralHeader.Crc32) {
            return std::nullopt;
        }
        return data;
    } catch (const FileError&) {
        return std::nullopt;
    }
}

} // namespace korvane
