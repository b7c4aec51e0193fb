#include "preview/TextureDecoder.h"

#include "platform/CodePages.h"

#include <optional>

namespace korvane {

namespace {

constexpr std::uint32_t kAlphaChannel = 1U << 0;
constexpr std::uint32_t kCompressed = 1U << 2; // written only by later engines, in a format of their own
constexpr int kLargestSide = 1 << 14;

// Bounds-checked little-endian reading: past the end it yields nothing and stays failed.
class Bytes {
public:
    explicit Bytes(std::string_view bytes) : bytes_(bytes) {}

    bool ok() const { return ok_; }
    bool atEnd() const { return at_ >= bytes_.size(); }
    std::size_t left() const { return ok_ ? bytes_.size() - at_ : 0; }

    std::string_view take(std::uint64_t count) {
        if (!ok_ || count > bytes_.size() - at_) {
            ok_ = false;
            return {};
        }
        const std::string_view taken = bytes_.substr(at_, static_cast<std::size_t>(count));
        at_ += static_cast<std::size_t>(count);
        return taken;
    }
    std::int32_t int32() {
        const std::string_view raw = take(4);
        std::uint32_t value = 0;
        for (std::size_t i = raw.size(); i-- > 0;) {
            value = (value << 8) | static_cast<unsigned char>(raw[i]);
        }
        return static_cast<std::int32_t>(value);
    }
    std::string_view rest() const { return ok_ ? bytes_.substr(at_) : std::string_view(); }

private:
    std::string_view bytes_;
    std::size_t at_ = 0;
    bool ok_ = true;
};

struct Header {
    std::uint32_t flags = 0;
    int width = 0; // of the largest mip-map stored
    int height = 0;
    int frames = 0;
    std::int64_t oldFrameBytes = 0; // version 3: each frame with all its mip-maps
};

// TDAT: sizes in mex (texel units of the editor) and the first mip level kept; version 3 adds two fields.
std::optional<Header> readHeader(Bytes& in, int version) {
    Header header;
    header.flags = static_cast<std::uint32_t>(in.int32());
    const std::int32_t mexWidth = in.int32();
    const std::int32_t mexHeight = in.int32();
    in.int32(); // fine mip levels, made again on loading
    if (version == 3) {
        in.int32(); // mip levels stored
    }
    const std::int32_t firstMip = in.int32();
    if (version == 3) {
        header.oldFrameBytes = in.int32();
    }
    header.frames = in.int32();
    if (!in.ok() || mexWidth <= 0 || mexHeight <= 0 || firstMip < 0 || firstMip > 30 || header.frames <= 0) {
        return std::nullopt;
    }
    header.width = mexWidth >> firstMip;
    header.height = mexHeight >> firstMip;
    if (header.width <= 0 || header.height <= 0 || header.width > kLargestSide || header.height > kLargestSide ||
        (header.flags & kCompressed) != 0) {
        return std::nullopt;
    }
    return header;
}

std::uint8_t widen(unsigned value, int bits) {
    const unsigned top = value << (8 - bits);
    return static_cast<std::uint8_t>(top | (top >> bits));
}

void setPixel(std::uint8_t* out, std::uint8_t red, std::uint8_t green, std::uint8_t blue, std::uint8_t alpha) {
    out[0] = red;
    out[1] = green;
    out[2] = blue;
    out[3] = alpha;
}

// FRMS: version 4 keeps only the largest mip-map of each frame, as RGB or RGBA bytes; version 3 keeps every
// mip-map as 16-bit RGBA4444 (with alpha) or RGB5551 pixels.
std::optional<TexturePicture> readFrames(Bytes& in, int version, const Header& header) {
    const std::uint64_t pixels = static_cast<std::uint64_t>(header.width) * static_cast<std::uint64_t>(header.height);
    const bool alpha = (header.flags & kAlphaChannel) != 0;
    const std::uint64_t frameBytes =
        version == 3 ? static_cast<std::uint64_t>(header.oldFrameBytes) : pixels * (alpha ? 4 : 3);
    if (frameBytes < pixels * (version == 3 ? 2 : 1) ||
        frameBytes * static_cast<std::uint64_t>(header.frames) > in.left()) {
        return std::nullopt;
    }
    const std::string_view frame = in.take(frameBytes);
    in.take(frameBytes * static_cast<std::uint64_t>(header.frames - 1));
    if (!in.ok()) {
        return std::nullopt;
    }
    TexturePicture picture{header.width, header.height, header.frames, std::vector<std::uint8_t>(pixels * 4)};
    std::uint8_t* out = picture.rgba.data();
    const auto* bytes = reinterpret_cast<const unsigned char*>(frame.data());
    for (std::uint64_t i = 0; i < pixels; ++i, out += 4) {
        if (version == 3) {
            const unsigned pixel = bytes[2 * i] | (bytes[2 * i + 1] << 8U);
            if (alpha) {
                setPixel(out, widen(pixel >> 12, 4), widen((pixel >> 8) & 15, 4), widen((pixel >> 4) & 15, 4),
                         widen(pixel & 15, 4));
            } else {
                setPixel(out, widen(pixel >> 11, 5), widen((pixel >> 6) & 31, 5), widen((pixel >> 1) & 31, 5), 255);
            }
        } else {
            const unsigned char* texel = bytes + i * (alpha ? 4 : 3);
            setPixel(out, texel[0], texel[1], texel[2], alpha ? texel[3] : 255);
        }
    }
    return picture;
}

// An effect texture names its base after its effect data, in a BAST chunk at the file's end.
std::string baseTextureOf(std::string_view rest) {
    const std::size_t at = rest.rfind("BASTDFNM");
    if (at == std::string_view::npos) {
        return {};
    }
    Bytes in(rest.substr(at + 8));
    const std::int32_t length = in.int32();
    const std::string_view name = in.take(length < 0 ? UINT64_MAX : static_cast<std::uint64_t>(length));
    return in.ok() ? ansiToUtf8(name) : std::string();
}

// Chunks other than the picture's that may come before it: animations and an old detail texture's name.
bool skipChunk(Bytes& in, std::string_view id) {
    if (id == "ANIM") {
        const bool tagged = in.take(4) == "ADAT";
        const std::int32_t animations = in.int32();
        for (std::int32_t i = 0; tagged && in.ok() && i < animations; ++i) {
            in.take(32 + 4); // name, seconds per frame
            const std::int32_t frames = in.int32();
            in.take(frames < 0 ? UINT64_MAX : static_cast<std::uint64_t>(frames) * 4);
        }
        return tagged && in.ok();
    }
    if (id == "DTLT") {
        const bool tagged = in.take(4) == "DFNM";
        const std::int32_t length = in.int32();
        in.take(length < 0 ? UINT64_MAX : static_cast<std::uint64_t>(length));
        return tagged && in.ok();
    }
    return false;
}

} // namespace

DecodedTexture decodeTexture(std::string_view bytes) {
    DecodedTexture decoded;
    Bytes in(bytes);
    const bool tagged = in.take(4) == "TVER";
    const std::int32_t version = in.int32();
    if (!tagged || !in.ok() || (version != 3 && version != 4)) {
        return decoded;
    }
    std::optional<Header> header;
    while (in.ok() && !in.atEnd()) {
        const std::string_view id = in.take(4);
        if (id == "TDAT") {
            header = readHeader(in, version);
            if (!header) {
                return decoded;
            }
        } else if (id == "FRMS" && header) {
            if (auto picture = readFrames(in, version, *header)) {
                decoded.kind = DecodedTexture::Kind::Picture;
                decoded.picture = std::move(*picture);
            }
            return decoded;
        } else if (id == "FXDT" && header) {
            decoded.kind = DecodedTexture::Kind::Effect;
            decoded.baseTexture = baseTextureOf(in.rest());
            return decoded;
        } else if (!skipChunk(in, id)) {
            return decoded;
        }
    }
    return decoded;
}

} // namespace korvane
