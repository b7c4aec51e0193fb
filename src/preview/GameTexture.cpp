#include "preview/GameTexture.h"

#include "platform/AsciiText.h"
#include "platform/GamePath.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace korvane {

bool isTextureName(std::string_view name) {
    const std::string_view extension = extensionOf(name);
    return equalsAsciiNoCase(extension, ".tex") || equalsAsciiNoCase(extension, ".tbn");
}

DecodedTexture decodeTextureFile(const std::string& path) {
    std::error_code error;
    // Only regular files: a pipe or device would block or never end.
    if (!std::filesystem::is_regular_file(path, error) ||
        std::filesystem::file_size(path, error) > kLargestTextureFile || error) {
        return {};
    }
    std::ifstream stream(path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
    return stream.bad() ? DecodedTexture() : decodeTexture(bytes);
}

DecodedTexture gameTexturePreview(const GameFolders& folders, std::string_view name) {
    const GameFile file = folders.lookUp(name).file;
    if (file.status != GameFileStatus::Present) {
        return {};
    }
    DecodedTexture decoded = decodeTextureFile(file.path.string());
    if (decoded.kind != DecodedTexture::Kind::Effect || decoded.baseTexture.empty()) {
        return decoded;
    }
    // One step only: a base is a plain texture, and an effect naming itself must not loop.
    const GameFile base = folders.lookUp(decoded.baseTexture).file;
    if (base.status == GameFileStatus::Present) {
        DecodedTexture shown = decodeTextureFile(base.path.string());
        if (shown.kind == DecodedTexture::Kind::Picture) {
            return shown;
        }
    }
    return decoded;
}

} // namespace korvane
