#include "preview/PngWriter.h"

#include <zlib.h>

#include <new>

namespace korvane {

namespace {

void putBig(std::string& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        out.push_back(static_cast<char>((value >> shift) & 0xFF));
    }
}

void putChunk(std::string& out, const char* type, const std::string& data) {
    putBig(out, static_cast<std::uint32_t>(data.size()));
    const std::string typed = type + data;
    out += typed;
    putBig(out, static_cast<std::uint32_t>(
                    crc32(0, reinterpret_cast<const Bytef*>(typed.data()), static_cast<uInt>(typed.size()))));
}

} // namespace

std::string pngBytes(const TexturePicture& picture) {
    const auto rowBytes = static_cast<std::size_t>(picture.width) * 4;
    // Each row starts with its filter type, 0 (none): textures compress well enough without one.
    std::string raw;
    raw.reserve((rowBytes + 1) * static_cast<std::size_t>(picture.height));
    for (int row = 0; row < picture.height; ++row) {
        raw.push_back('\0');
        const auto* from =
            reinterpret_cast<const char*>(picture.rgba.data()) + rowBytes * static_cast<std::size_t>(row);
        raw.append(from, rowBytes);
    }
    uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
    std::string packed(packedSize, '\0');
    if (compress2(reinterpret_cast<Bytef*>(packed.data()), &packedSize, reinterpret_cast<const Bytef*>(raw.data()),
                  static_cast<uLong>(raw.size()), Z_BEST_SPEED) != Z_OK) {
        throw std::bad_alloc();
    }
    packed.resize(packedSize);

    std::string header;
    putBig(header, static_cast<std::uint32_t>(picture.width));
    putBig(header, static_cast<std::uint32_t>(picture.height));
    header += std::string("\x08\x06\x00\x00\x00", 5); // 8 bits, RGBA, deflate, no filter variants, not interlaced
    std::string png("\x89PNG\r\n\x1a\n", 8);
    putChunk(png, "IHDR", header);
    putChunk(png, "IDAT", packed);
    putChunk(png, "IEND", {});
    return png;
}

} // namespace korvane
