// Path text of the disk walk: full names built from masks, with '\' and '/' both taken as separators.
#pragma once

#include <string>
#include <string_view>

namespace korvane {

inline bool isPathSeparator(char c) {
    return c == '\\' || c == '/';
}

// Up to and including the last '\', '/' or ':'; empty when there is none.
std::string_view folderPartOf(std::string_view path);
// After the last '\', '/' or ':'.
std::string_view namePartOf(std::string_view path);

std::string withTrailingSeparator(std::string_view path);
std::string withoutTrailingSeparator(std::string_view path);

// The path made absolute against the absolute folder `base`, with '/' separators, "." and ".." folded away
// as full-path resolution does. A path with two leading separators (a server name) keeps them.
std::string makeAbsolute(std::string_view path, std::string_view base);

// The process's working folder; a FileError when it no longer exists.
std::string workingFolder();
// makeAbsolute against the working folder, which is only asked for when the path is relative.
std::string absoluteFromWorkingFolder(std::string_view path);

// The path of the absolute `path` relative to the absolute folder `base`, folders compared ignoring ASCII case;
// it climbs with "../" when `path` lies outside `base`.
std::string relativePathOf(std::string_view path, std::string_view base);

// ASCII-only case-insensitive comparisons of path text, with '\' and '/' taken as equal.
bool pathTextEqual(std::string_view a, std::string_view b);
bool pathTextStartsWith(std::string_view text, std::string_view prefix);

} // namespace korvane
