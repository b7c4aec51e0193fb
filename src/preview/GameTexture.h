// Previews of textures as the game finds them: a file in the installation, or a member of an archive.
#pragma once

#include "platform/GameFolders.h"
#include "preview/TextureDecoder.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace korvane {

// Textures larger than this are not previewed: no texture the game ships comes near it.
inline constexpr std::uint64_t kLargestTextureFile = std::uint64_t{256} << 20;

// Whether the name is a texture file by its extension (.tex or .tbn).
bool isTextureName(std::string_view name);

// Reads and decodes a file by path; NoPreview when it cannot be read.
DecodedTexture decodeTextureFile(const std::string& path);

// The game file's picture; an effect texture shows its base texture's, where the installation has it.
DecodedTexture gameTexturePreview(const GameFolders& folders, std::string_view name);

} // namespace korvane
