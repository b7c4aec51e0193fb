// How long a 1024 x 1024 texture takes from disk to a picture (read and decoded, as a window shows it) and to a
// PNG file (as "korvane preview" writes it), beside ImageMagick converting the same pixels from raw RGB.
#include "preview/GameTexture.h"
#include "preview/PngWriter.h"
#include "preview/TextureDecoder.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

using namespace korvane;

namespace {

constexpr int kSide = 1024;
constexpr int kRuns = 7;

std::string le32(std::uint32_t value) {
    std::string bytes;
    for (int shift = 0; shift < 32; shift += 8) {
        bytes.push_back(static_cast<char>((value >> shift) & 0xFF));
    }
    return bytes;
}

// A wall-like picture: noise over tiles, so that it compresses as a real texture does.
std::string pixels() {
    std::string rgb;
    rgb.reserve(static_cast<std::size_t>(kSide) * kSide * 3);
    std::uint32_t state = 2463534242U;
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
            state ^= state << 13;
            state ^= state >> 17;
            state ^= state << 5;
            const int shade = (x % 64 == 0 || y % 32 == 0) ? 40 : 120 + static_cast<int>(state % 60);
            rgb += {static_cast<char>(shade), static_cast<char>(shade * 3 / 4), static_cast<char>(shade / 2)};
        }
    }
    return rgb;
}

double bestMs(const std::function<void()>& work) {
    double best = 1e9;
    for (int run = 0; run < kRuns; ++run) {
        const auto start = std::chrono::steady_clock::now();
        work();
        best =
            std::min(best, std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    return best;
}

} // namespace

int main() {
    const auto folder = std::filesystem::temp_directory_path() / "korvane-bench-preview";
    std::filesystem::create_directories(folder);
    const std::string rgb = pixels();
    const std::string texture = "TVER" + le32(4) + "TDAT" + le32(0) + le32(kSide) + le32(kSide) + le32(1) + le32(0) +
                                le32(1) + "FRMS" + rgb + "ANIMADAT" + le32(0);
    const std::string tex = (folder / "Wall.tex").string();
    const std::string raw = (folder / "Wall.rgb").string();
    std::ofstream(tex, std::ios::binary).write(texture.data(), static_cast<std::streamsize>(texture.size()));
    std::ofstream(raw, std::ios::binary).write(rgb.data(), static_cast<std::streamsize>(rgb.size()));

    int width = 0;
    const double picture = bestMs([&] { width = decodeTextureFile(tex).picture.width; });
    std::size_t pngSize = 0;
    const double png = bestMs([&] {
        const std::string bytes = pngBytes(decodeTextureFile(tex).picture);
        std::ofstream((folder / "Wall.png").string(), std::ios::binary)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        pngSize = bytes.size();
    });
    std::printf("1024 x 1024 texture (%d pixels wide), best of %d runs:\n", width, kRuns);
    std::printf("  read and decoded to a picture, as a window shows it   %7.1f ms\n", picture);
    std::printf("  read, decoded and written as PNG (korvane preview)    %7.1f ms  (%zu bytes)\n", png, pngSize);
    const std::string convert = "convert -size 1024x1024 -depth 8 rgb:" + raw + " " + (folder / "Magick.png").string();
    if (std::system("command -v convert >/dev/null 2>&1") == 0) {
        const double magick = bestMs([&] { (void)std::system(convert.c_str()); });
        std::printf("  ImageMagick convert, raw RGB to PNG                   %7.1f ms  (korvane preview takes %.2fx)\n",
                    magick, png / magick);
    }
    std::filesystem::remove_all(folder);
    return 0;
}
