// Texture previews over arbitrary bytes: a picture always holds exactly its pixels, and its PNG is whole.
#include "preview/TextureDecoder.h"
#include "preview/PngWriter.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const korvane::DecodedTexture decoded = korvane::decodeTexture(bytes);
    if (decoded.kind != korvane::DecodedTexture::Kind::Picture) {
        return 0;
    }
    const korvane::TexturePicture& picture = decoded.picture;
    if (picture.width <= 0 || picture.height <= 0 || picture.frames <= 0 ||
        picture.rgba.size() != static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height) * 4) {
        std::abort();
    }
    // A picture holds no more pixels than the bytes that gave them.
    if (picture.rgba.size() > size * 4) {
        std::abort();
    }
    if (korvane::pngBytes(picture).substr(1, 3) != "PNG") {
        std::abort();
    }
    return 0;
}
