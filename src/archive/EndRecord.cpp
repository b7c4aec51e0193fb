#include "archive/internal/EndRecord.h"

#include <algorithm>

namespace korvane {

TZETailWindow readTailWindow(TZEArchiveFile& file) {
    const std::uint64_t size = file.size();
    TZETailWindow tail;
    tail.Offset = size - std::min<std::uint64_t>(size, kEndRecordWindow);
    file.seek(tail.Offset);
    tail.Bytes = file.readExact(static_cast<std::size_t>(size - tail.Offset));
    return tail;
}

std::optional<TZEEndRecordFound> GetCentralDirEnd(const TZETailWindow& tail, std::uint32_t signature) {
    const std::string_view bytes = tail.Bytes;
    if (bytes.size() < TZEZipCentralDirEnd::kSize) {
        return std::nullopt;
    }
    const char sig[4] = {static_cast<char>(signature & 0xFF), static_cast<char>((signature >> 8) & 0xFF),
                         static_cast<char>((signature >> 16) & 0xFF), static_cast<char>(signature >> 24)};
    // A candidate needs 22 bytes from its start, so the last possible one begins 22 bytes before the end.
    for (std::size_t at = bytes.size() - TZEZipCentralDirEnd::kSize + 1; at-- > 0;) {
        if (bytes[at + 3] != sig[3] || bytes[at + 2] != sig[2] || bytes[at + 1] != sig[1] || bytes[at] != sig[0]) {
            continue;
        }
        ByteReader in(bytes.substr(at));
        const TZEZipCentralDirEnd record = readCentralDirEnd(in);
        if (record.CommentLength != in.remaining()) {
            continue;
        }
        return TZEEndRecordFound{tail.Offset + at, record, std::string(in.bytes(record.CommentLength))};
    }
    return std::nullopt;
}

} // namespace korvane
