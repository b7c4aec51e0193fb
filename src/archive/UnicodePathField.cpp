#include "archive/internal/UnicodePathField.h"

#include "archive/internal/ByteBuffer.h"
#include "platform/Utf8Text.h"

#include <zlib.h>

namespace korvane {

namespace {

constexpr std::uint8_t kVersion = 1;

std::uint32_t crcOf(std::string_view bytes) {
    return static_cast<std::uint32_t>(
        ::crc32(::crc32(0L, Z_NULL, 0), reinterpret_cast<const Bytef*>(bytes.data()), static_cast<uInt>(bytes.size())));
}

} // namespace

std::string unicodePathBlock(std::string_view storedBytes, std::string_view utf8Name) {
    std::string block;
    ByteWriter out(block);
    out.u16(kUnicodePathExtraId);
    out.u16(static_cast<std::uint16_t>(1 + 4 + utf8Name.size()));
    out.u8(kVersion);
    out.u32(crcOf(storedBytes));
    out.bytes(utf8Name);
    return block;
}

std::string withUnicodePath(std::string_view extra, std::string_view block) {
    std::string kept;
    ByteReader in(extra);
    while (in.remaining() >= 4) {
        const std::size_t start = in.position();
        const std::uint16_t id = in.u16();
        in.skip(in.u16());
        if (!in.ok()) {
            // A broken tail is kept as it was: it is not ours to mend.
            kept.append(extra.substr(start));
            return kept.append(block);
        }
        if (id != kUnicodePathExtraId) {
            kept.append(extra.substr(start, in.position() - start));
        }
    }
    kept.append(extra.substr(in.position()));
    return kept.append(block);
}

std::optional<std::string> unicodePathName(std::string_view extra, std::string_view storedBytes) {
    ByteReader in(extra);
    while (in.remaining() >= 4) {
        const std::uint16_t id = in.u16();
        ByteReader data(in.bytes(in.u16()));
        if (!in.ok()) {
            return std::nullopt;
        }
        if (id != kUnicodePathExtraId || data.remaining() < 5) {
            continue;
        }
        const std::uint8_t version = data.u8();
        const std::uint32_t crc = data.u32();
        const std::string_view name = data.bytes(data.remaining());
        // A stale block (the name was changed by a tool that kept the field) does not count.
        if (version == kVersion && crc == crcOf(storedBytes) && !name.empty() && isValidUtf8(name)) {
            return std::string(name);
        }
    }
    return std::nullopt;
}

} // namespace korvane
