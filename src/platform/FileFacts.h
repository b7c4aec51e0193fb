// File facts in the form the game's platform gives them: attribute bits, DOS times, folder listings.
#pragma once

#include <cstdint>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

enum FileAttribute : std::uint32_t {
    faReadOnly = 1,
    faHidden = 2,
    faSysFile = 4,
    faVolumeId = 8,
    faDirectory = 16,
    faArchive = 32,
};

// Directory 16; archive 32 for regular files; read-only 1 when not writable; hidden 2 for dot-names;
// a user.DOSATTRIB extended attribute, where present, gives the bits instead.
std::optional<std::uint32_t> fileAttributes(const std::filesystem::path& path);

struct DosDateTime {
    std::uint16_t date = 0;
    std::uint16_t time = 0;
};
DosDateTime toDosDateTime(std::time_t when); // local time
bool toLocalTime(std::time_t when, std::tm& local);
std::optional<DosDateTime> lastWriteDosDateTime(const std::filesystem::path& path);
DosDateTime currentDosDateTime();

// A name as the disk listings compare it: ASCII letters alone ignore case, as on the game's platform.
std::u32string asciiFolded(std::string_view text);

struct FolderItem {
    std::string name; // spelling on disk
    std::uint32_t attributes = 0;
};
// Lists a folder's entries whose names match the wildcard mask ('*', '?', ASCII letters ignoring case;
// "*.*" matches every name), "." and ".." excluded, in name order. A missing folder gives an empty list.
// Within a ListingRun, a mask without wildcards is answered from the run's listing of the folder.
std::vector<FolderItem> listFolder(const std::filesystem::path& folder, std::string_view mask);

// What a path names, after links, as the file system finds it. On Windows a name is taken as it stands: a
// reserved device name (CON, NUL, COM1...) or a trailing dot or space names only a file spelled so, never a
// device or the file without them, and a path past 260 characters works.
enum class PathKind { None, File, Folder };
PathKind pathKind(const std::string& path);
// The path after every link, absolute and without "." or ".."; empty when it names nothing.
std::filesystem::path realLocation(const std::filesystem::path& path);
// Absolute, with "." and ".." folded and links resolved as far as the path exists, so that a path inside a
// folder starts with the folder's own spelling; empty when the working folder is gone.
std::filesystem::path settledPath(const std::filesystem::path& path);

// Creates one folder level; the parent must exist.
bool createFolder(const std::filesystem::path& path);
// True when a file of that name could be written: an existing one opens for writing and its folder takes
// new files. Nothing is created, and an existing file is not changed. On Windows a name the system reserves
// (CON.gro, a trailing dot or space) is never writable.
bool probeWritable(const std::filesystem::path& path);
// A name in the folder that no file has yet, starting with the prefix; the file is created empty.
// An empty path when no file could be created there.
std::filesystem::path uniqueTempFile(const std::filesystem::path& folder, std::string_view prefix);

} // namespace korvane
