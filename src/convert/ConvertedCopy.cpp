// The converted world file's bytes, written through the atomic writer: the destination is replaced whole
// once they are all on disk, or not at all.
#include "convert/WorldVersionConverter.h"
#include "platform/AtomicFile.h"

#include <vector>

namespace korvane {

namespace {

// The source's bytes from its start; the length copied, or nothing when a read or write failed.
std::optional<std::uint64_t> copyStream(std::istream& source, FileHandle& out) {
    source.clear();
    source.seekg(0);
    std::vector<char> buffer(1 << 16);
    std::uint64_t length = 0;
    while (source) {
        source.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
        const auto got = static_cast<std::size_t>(source.gcount());
        if (got > 0 && !out.writeAllAt(buffer.data(), got, length)) {
            return std::nullopt;
        }
        length += got;
    }
    if (source.bad()) {
        return std::nullopt;
    }
    return length;
}

} // namespace

bool writeConvertedCopy(std::istream& source, const std::filesystem::path& destination) {
    return replaceFileAtomically(destination, [&source](FileHandle& out) {
        const auto length = copyStream(source, out);
        if (!length) {
            return false;
        }
        constexpr std::uint64_t markerOffset = 4;
        if (*length < markerOffset) {
            const std::vector<char> gap(static_cast<std::size_t>(markerOffset - *length), '\0');
            if (!out.writeAllAt(gap.data(), gap.size(), *length)) {
                return false;
            }
        }
        const char marker[2] = {static_cast<char>(kVersion107Marker[0]), static_cast<char>(kVersion107Marker[1])};
        return out.writeAllAt(marker, sizeof marker, markerOffset);
    });
}

} // namespace korvane
