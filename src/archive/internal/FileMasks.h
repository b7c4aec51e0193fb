// Masks that select disk files: the wildcard rule and the tests of the disk walk.
#pragma once

#include <string>
#include <string_view>

namespace korvane {

// '*' matches any run, '?' one character; ASCII letters ignore case, other characters (whole UTF-8
// sequences) match themselves or their case-folded form; '[' is an ordinary character.
bool MatchesMask(std::string_view name, std::string_view mask);

struct FullMask {
    std::string mask;
    bool relative = false;
};
// The mask made full against the absolute folder `folder`: relative masks are joined to it, rooted ones are
// joined to its root, masks with a drive or a climbing part stay as given.
FullMask GetFullMask(std::string_view mask, std::string_view folder);

// Whether the full name matches an exclusion or no-compression mask. `base` is the absolute folder of the walk,
// `baseDir` the engine's BaseDir as given.
bool IsExternalFileMatchMask(std::string_view name, std::string_view mask, bool isFolder, std::string_view base,
                             std::string_view baseDir);

} // namespace korvane
