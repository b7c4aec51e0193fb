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

// An exclusion or no-compression mask with everything that depends on the mask alone worked out once: a
// packing run tests every file against the same masks. `base` is the absolute folder of the walk, `baseDir`
// the engine's BaseDir as given.
class ExternalMask {
public:
    ExternalMask(std::string_view mask, bool isFolder, std::string_view base, std::string_view baseDir);

    // Whether the full name matches.
    bool matches(std::string_view name) const;
    bool madeFrom(std::string_view mask, bool isFolder, std::string_view base, std::string_view baseDir) const;

private:
    std::string mask_;
    std::string base_;
    std::string baseDir_;
    bool isFolder_ = false;
    bool always_ = false;
    bool relative_ = false;
    bool namePartOnly_ = false;
    bool everythingBelow_ = false;
    std::u32string maskName_; // the mask texts are kept case-folded
    std::u32string maskFromBaseDir_;
    std::u32string fullMask_;
    std::string maskFolder_;
};

bool IsExternalFileMatchMask(std::string_view name, std::string_view mask, bool isFolder, std::string_view base,
                             std::string_view baseDir);

} // namespace korvane
