// A texture's picture in the windows: scaled into a box, with its size in pixels, or "no preview".
#pragma once

#include "preview/TextureDecoder.h"

#include <string>

class QLabel;

namespace korvane {

// Fills the picture box and the size line; a texture with no picture leaves "no preview" in the box.
void showTexture(QLabel& picture, QLabel& size, const DecodedTexture& texture);
// Empties both, for a file that is no texture.
void clearTexture(QLabel& picture, QLabel& size);

// The texture as a member of an archive reads it; no preview when the archive or member cannot be read.
DecodedTexture archiveTexture(const std::string& archivePath, const std::string& member);

} // namespace korvane
