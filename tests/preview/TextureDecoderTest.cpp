// Textures as the game's tools write them, read into pictures; damaged ones give no preview.
#include "preview/TextureDecoder.h"
#include "preview/GameTexture.h"
#include "preview/PngWriter.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <filesystem>

namespace korvane {
namespace {

using Kind = DecodedTexture::Kind;

std::string int32(std::int32_t value) {
    std::string bytes;
    for (int i = 0; i < 4; ++i) {
        bytes.push_back(static_cast<char>((static_cast<std::uint32_t>(value) >> (8 * i)) & 0xFF));
    }
    return bytes;
}

// TVER, then TDAT for a picture of width x height pixels kept from mip level 1 (mex sizes doubled).
std::string header(int version, std::uint32_t flags, int width, int height, int frames, int oldFrameBytes = 0) {
    std::string bytes = "TVER" + int32(version) + "TDAT" + int32(static_cast<std::int32_t>(flags)) + int32(width * 2) +
                        int32(height * 2) + int32(1);
    if (version == 3) {
        bytes += int32(2);
    }
    bytes += int32(1);
    if (version == 3) {
        bytes += int32(oldFrameBytes);
    }
    return bytes + int32(frames);
}

std::vector<int> pixel(const TexturePicture& picture, int x, int y) {
    const auto at = static_cast<std::size_t>((y * picture.width + x) * 4);
    return {picture.rgba[at], picture.rgba[at + 1], picture.rgba[at + 2], picture.rgba[at + 3]};
}

TEST(TextureDecoder, TheSamplesThumbnailAndBeamDecodeToTheirPixels) {
    const std::filesystem::path samples(KORVANE_SAMPLES_DIR);
    if (!std::filesystem::exists(samples / "README.md")) {
        GTEST_SKIP() << "no sample files";
    }
    const DecodedTexture thumbnail = decodeTextureFile((samples / "SeriousSamTbn.tex").string());
    ASSERT_EQ(thumbnail.kind, Kind::Picture);
    EXPECT_EQ(thumbnail.picture.width, 128);
    EXPECT_EQ(thumbnail.picture.height, 128);
    EXPECT_EQ(pixel(thumbnail.picture, 0, 0), (std::vector<int>{0x5d, 0x48, 0x3a, 255}));
    EXPECT_EQ(pixel(thumbnail.picture, 127, 127), (std::vector<int>{0xae, 0x8d, 0x67, 255}));
    // Stored at mip level 5 of 1024 mex: 32 pixels a side.
    const DecodedTexture beam = decodeTextureFile((samples / "beam.tex").string());
    ASSERT_EQ(beam.kind, Kind::Picture);
    EXPECT_EQ(beam.picture.width, 32);
    EXPECT_EQ(pixel(beam.picture, 3, 0), (std::vector<int>{0x1f, 0x1f, 0x1f, 255}));
    EXPECT_EQ(decodeTextureFile((samples / "SpawnShapeBase.mdl").string()).kind, Kind::NoPreview);
}

TEST(TextureDecoder, EveryStoredPixelFormatAndFrameCount) {
    // Version 4 with alpha, two frames: the first is shown.
    DecodedTexture rgba = decodeTexture(header(4, 1, 2, 1, 2) + "FRMS" + "\x01\x02\x03\x04\x05\x06\x07\x08" +
                                        std::string(8, '\x7f') + "ANIMADAT" + int32(0));
    ASSERT_EQ(rgba.kind, Kind::Picture);
    EXPECT_EQ(rgba.picture.frames, 2);
    EXPECT_EQ(rgba.picture.rgba, (std::vector<std::uint8_t>{1, 2, 3, 4, 5, 6, 7, 8}));
    // Version 3 keeps 16-bit pixels with every mip-map: RGBA4444 with alpha, RGB5551 without.
    const std::string mips(4, '\0');
    DecodedTexture old = decodeTexture(header(3, 1, 1, 1, 1, 6) + "FRMS" + std::string("\x8f\xf0", 2) + mips);
    ASSERT_EQ(old.kind, Kind::Picture);
    EXPECT_EQ(old.picture.rgba, (std::vector<std::uint8_t>{0xff, 0x00, 0x88, 0xff}));
    old = decodeTexture(header(3, 0, 1, 1, 1, 6) + "FRMS" + std::string("\x3e\xf8", 2) + mips);
    EXPECT_EQ(old.picture.rgba, (std::vector<std::uint8_t>{0xff, 0x00, 0xff, 0xff}));
    // An effect texture names its base at the end.
    const DecodedTexture effect = decodeTexture(header(4, 0, 4, 4, 1) + "FXDT" + int32(2) + std::string(40, '\x01') +
                                                "ANIMADAT" + int32(0) + "BASTDFNM" + int32(17) + "Textures\\Base.tex");
    EXPECT_EQ(effect.kind, Kind::Effect);
    EXPECT_EQ(effect.baseTexture, "Textures\\Base.tex");
}

TEST(TextureDecoder, DamagedTexturesGiveNoPreview) {
    const std::string good = header(4, 0, 2, 2, 1) + "FRMS" + std::string(12, '\x10');
    ASSERT_EQ(decodeTexture(good).kind, Kind::Picture);
    for (const std::string& bad :
         {good.substr(0, good.size() - 1), std::string("TVER") + int32(5) + good.substr(8), good.substr(0, 30),
          header(4, 4, 2, 2, 1) + "FRMS" + std::string(12, '\0'), header(4, 0, 0, 2, 1) + "FRMS",
          header(4, 0, 1 << 20, 1 << 20, 1) + "FRMS" + std::string(12, '\0'), header(4, 0, 2, 2, -1) + "FRMS",
          header(3, 0, 2, 2, 1, -8) + "FRMS" + std::string(12, '\0'), std::string("TVER") + int32(4) + "JUNK",
          header(4, 0, 2, 2, 1) + "ANIMADAT" + int32(1) + std::string(36, '\0') + int32(-1), std::string()}) {
        EXPECT_EQ(decodeTexture(bad).kind, Kind::NoPreview) << testing::PrintToString(bad);
    }
}

TEST(PngWriter, RowsAreStoredUnfilteredUnderAValidHeader) {
    const TexturePicture picture{2, 1, 1, {1, 2, 3, 4, 5, 6, 7, 8}};
    const std::string png = pngBytes(picture);
    ASSERT_EQ(png.substr(0, 16), std::string("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR", 16));
    EXPECT_EQ(png.substr(16, 13), std::string("\0\0\0\x02\0\0\0\x01\x08\x06\0\0\0", 13));
    const std::size_t idat = png.find("IDAT");
    ASSERT_NE(idat, std::string::npos);
    std::string raw(9, '\xff');
    uLongf rawSize = raw.size();
    const auto length = static_cast<uLong>(static_cast<unsigned char>(png[idat - 1]));
    ASSERT_EQ(uncompress(reinterpret_cast<Bytef*>(raw.data()), &rawSize,
                         reinterpret_cast<const Bytef*>(png.data() + idat + 4), length),
              Z_OK);
    EXPECT_EQ(raw, std::string("\0\x01\x02\x03\x04\x05\x06\x07\x08", 9));
    EXPECT_EQ(png.substr(png.size() - 12), std::string("\0\0\0\0IEND\xae\x42\x60\x82", 12));
}

} // namespace
} // namespace korvane
