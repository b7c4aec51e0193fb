// Replaces a file's contents whole: the bytes go to a temporary file beside it, reach the disk, and the
// temporary file is renamed over the old one, so a crash or a full disk never leaves half a file behind.
#pragma once

#include <filesystem>
#include <string_view>

namespace korvane {

// True when the file now holds exactly the bytes; on false the old file (if any) is untouched and no
// temporary file is left.
bool writeFileAtomically(const std::filesystem::path& target, std::string_view bytes);

} // namespace korvane
