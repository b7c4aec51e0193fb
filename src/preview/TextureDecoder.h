// Reads the game's texture files (.tex, and the .tbn thumbnails of the same format) into a picture: the
// first frame's largest mip-map, as 8-bit RGBA. Bytes of any origin are safe to hand in.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

struct TexturePicture {
    int width = 0;
    int height = 0;
    int frames = 0;                 // frames the texture holds; the picture is the first
    std::vector<std::uint8_t> rgba; // width * height pixels, rows from the top
};

struct DecodedTexture {
    enum class Kind {
        Picture,   // picture holds the first frame
        Effect,    // an effect texture: drawn at run time over baseTexture (may be empty)
        NoPreview, // damaged, truncated or of a kind the game's readers do not write
    };
    Kind kind = Kind::NoPreview;
    TexturePicture picture;
    std::string baseTexture; // UTF-8 game path of an effect texture's base
};

DecodedTexture decodeTexture(std::string_view bytes);

} // namespace korvane
