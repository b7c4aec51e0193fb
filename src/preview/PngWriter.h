// A picture as a PNG file's bytes: 8-bit RGBA, deflated with zlib.
#pragma once

#include "preview/TextureDecoder.h"

#include <string>

namespace korvane {

std::string pngBytes(const TexturePicture& picture);

} // namespace korvane
