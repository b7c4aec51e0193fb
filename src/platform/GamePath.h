// Game paths: names as the game writes them ("Textures\Wall.tex"), resolved on a case-sensitive file system.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace korvane {

// The native folder separator as a string; InstallRoot always ends with it.
inline constexpr char kNativeSeparator = '/';

// Resolves a full path formed as InstallRoot + game path. Both '\' and '/' separate components; when a
// component's exact spelling is absent, the first directory entry equal to it ignoring letter case is taken.
// Returns the native path of an existing file or folder, or nothing.
std::optional<std::filesystem::path> resolveExisting(std::string_view path);

// Like resolveExisting, for a path whose last component may not exist yet (its folder must): the folder is
// resolved, the last component is taken as an existing entry's spelling when one matches, else as written.
std::optional<std::filesystem::path> resolveForCreate(std::string_view path);

// True when the path names an existing file; a folder does not count.
bool fileExists(std::string_view path);
// True when the path names an existing folder.
bool folderExists(std::string_view path);

// A game path is safe when it stays inside the installation: not absolute, no drive letter, no UNC prefix,
// and no ".." component that climbs above the root.
bool isSafeGamePath(std::string_view relativeName);

// Extension of a name: from its last '.' when no '\', '/' or ':' follows it, else empty.
std::string_view extensionOf(std::string_view name);
// ASCII-only case-insensitive equality, used for extensions.
bool equalsAsciiNoCase(std::string_view a, std::string_view b);

} // namespace korvane
