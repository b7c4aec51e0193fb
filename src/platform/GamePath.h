// Game paths: names as the game writes them ("Textures\Wall.tex"), resolved on a case-sensitive file system.
#pragma once

#include "platform/AsciiText.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

// The native folder separator; InstallRoot always ends with it.
inline constexpr char kNativeSeparator = static_cast<char>(std::filesystem::path::preferred_separator);
// Every character the platform takes as a folder separator in a native path: Windows takes '/' too.
inline constexpr std::string_view kNativeSeparators = kNativeSeparator == '\\' ? "\\/" : "/";

// The folder as InstallRoot and the other folders are held: ending in the native separator.
inline std::string withTrailingSeparator(std::string folder) {
    if (folder.empty() || folder.back() != kNativeSeparator) {
        folder += kNativeSeparator;
    }
    return folder;
}

// Resolves a full path formed as InstallRoot + game path. Both '\' and '/' separate components; when a
// component's exact spelling is absent, the first directory entry equal to it ignoring letter case is taken.
// Each component is resolved once, in the folder already resolved, so the work grows with the name's length.
// Returns the native path of an existing file or folder, with every component spelled as on disk, or nothing.
// (Windows finds a name in another letter case itself: there an existing path comes back as written.)
std::optional<std::filesystem::path> resolveExisting(std::string_view path);

// Like resolveExisting, for a path whose last component may not exist yet (its folder must): the folder is
// resolved, the last component is taken as an existing entry's spelling when one matches, else as written.
std::optional<std::filesystem::path> resolveForCreate(std::string_view path);

// True when the path names an existing file; a folder does not count.
bool fileExists(std::string_view path);
// True when the path names an existing folder.
bool folderExists(std::string_view path);

// Status queries and folder listings made by this thread so far: tests bound a resolution's work with it.
std::uint64_t pathLookups();

// A game path is safe when it is relative: not absolute, no drive letter, no UNC prefix, no NUL byte, and no
// ".." component at all (the game cannot look such a name up in an archive).
bool isSafeGamePath(std::string_view relativeName);

// True when the real location of the path, after every link, lies inside the real folder.
bool liesInside(const std::filesystem::path& path, std::string_view folder);

// How a name that a game file gives stands under the installation.
enum class GameFileStatus {
    Present,      // a file inside the installation
    Missing,      // no file of that name
    NotRelative,  // absolute, with a drive or server, or holding a NUL byte
    ClimbsUp,     // has a ".." component
    LeadsOutside, // a link takes it out of the installation's real folder
};
struct GameFile {
    GameFileStatus status = GameFileStatus::Missing;
    std::filesystem::path path; // the native file when present
};
// Only a present file may be opened: anything else is treated as missing, whatever is on disk.
GameFile lookUpGameFile(std::string_view installRoot, std::string_view name);

// The name of a file chosen in a dialog relative to the root: the chosen path without as many leading
// characters as the root has, in the game's '\' form. Whether the cut-off part equals the root is not
// examined; the caller tests that root + the result exists.
std::string relativeNameOf(std::string_view chosenPath, std::string_view root);

// Extension of a name: from its last '.' when no '\', '/' or ':' follows it, else empty.
std::string_view extensionOf(std::string_view name);
// The path with the extension (written without its dot) added when its name has none; a name that ends in a
// dot gets it after that dot.
std::string withDefaultExtension(std::string path, std::string_view extension);

// The components of a path between its '\' and '/' separators, empty ones left out.
std::vector<std::string_view> pathComponents(std::string_view path);

} // namespace korvane
