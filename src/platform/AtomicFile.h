// Replaces a file's contents whole: the bytes go to a temporary file beside it, reach the disk, and the
// temporary file is renamed over the old one, so a crash or a full disk never leaves half a file behind.
// The new file keeps the replaced one's permissions, a link's target is replaced rather than the link, and
// the folder is flushed so that the new name survives a crash.
#pragma once

#include "platform/FileHandle.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string_view>

namespace korvane {

// Writes the contents into the empty temporary file; false stops the replacement.
using FileContents = std::function<bool(FileHandle& file)>;

// True when the file now holds exactly what the contents wrote; on false the old file (if any) is untouched
// and no temporary file is left.
bool replaceFileAtomically(const std::filesystem::path& target, const FileContents& contents);
bool writeFileAtomically(const std::filesystem::path& target, std::string_view bytes);

// What every replacement of a file shares, this one and the archive written aside.
// The file a replacement must replace: a link's target rather than the link, as writing through the link
// would; nothing when the link cannot be followed.
std::optional<std::filesystem::path> fileToReplace(const std::filesystem::path& target);
// Gives the new file the replaced regular file's permissions, so that whoever read the old file can read the
// new one.
void keepPermissionsOf(const std::filesystem::path& replaced, FileHandle& file);

} // namespace korvane
