#include "archive/internal/FileMasks.h"

#include "archive/internal/DiskPaths.h"
#include "platform/Collation.h"
#include "platform/Utf8Text.h"
#include "platform/Wildcard.h"

namespace korvane {

namespace {

// Non-ASCII letters ignore case too, but never fold into ASCII ones.
std::u32string folded(std::string_view text) {
    std::u32string characters = decodeUtf8(text);
    for (auto& c : characters) {
        const char32_t f = foldedCharacter(c);
        c = c >= 0x80 && f < 0x80 ? c : f;
    }
    return characters;
}

bool matchesFolded(std::u32string_view name, std::u32string_view mask) {
    return wildcardMatch(name, mask, {.questionAfterStarIsFree = true});
}

} // namespace

bool MatchesMask(std::string_view name, std::string_view mask) {
    return matchesFolded(folded(name), folded(mask));
}

namespace {

// Full masks name native paths: '/' is their separator.
FullMask nativeMask(std::string mask, bool relative) {
    for (auto& c : mask) {
        if (c == '\\') {
            c = '/';
        }
    }
    return {std::move(mask), relative};
}

} // namespace

FullMask GetFullMask(std::string_view mask, std::string_view folder) {
    // A native absolute path plays the part a path with a drive plays on the game's platform.
    if (!mask.empty() && mask.front() == '/') {
        return nativeMask(std::string(mask), false);
    }
    if (!mask.empty() && mask.front() == '\\') {
        if (mask.size() > 1 && isPathSeparator(mask[1])) {
            return nativeMask(std::string(mask), false);
        }
        const auto absolute = withoutTrailingSeparator(makeAbsolute(folder, "/"));
        return nativeMask(mask.size() == 1 ? absolute : absolute + std::string(mask), false);
    }
    if (mask.find(':') == std::string_view::npos && mask.find("..\\") == std::string_view::npos &&
        mask.find("../") == std::string_view::npos) {
        return nativeMask(withTrailingSeparator(makeAbsolute(folder, "/")) + std::string(mask), true);
    }
    return nativeMask(std::string(mask), false);
}

ExternalMask::ExternalMask(std::string_view mask, bool isFolder, std::string_view base, std::string_view baseDir)
    : mask_(mask), base_(base), baseDir_(baseDir), isFolder_(isFolder), always_(mask == "*.*") {
    if (always_) {
        return;
    }
    std::string m(mask);
    if (isFolder && (m.empty() || m.back() != '*')) {
        m = withTrailingSeparator(m);
    }
    const auto full = GetFullMask(m, base);
    relative_ = full.relative;
    if (relative_) {
        namePartOnly_ = m.find('/') == std::string::npos;
        const std::string maskFull = isFolder ? withoutTrailingSeparator(full.mask) : full.mask;
        maskName_ = folded(namePartOf(maskFull));
        maskFromBaseDir_ = folded(relativePathOf(full.mask, makeAbsolute(baseDir, base)));
        return;
    }
    const auto fullMask = makeAbsolute(full.mask, base);
    fullMask_ = folded(fullMask);
    maskFolder_ = std::string(folderPartOf(fullMask));
    everythingBelow_ = namePartOf(fullMask) == "*.*";
}

bool ExternalMask::matches(std::string_view name) const {
    if (always_) {
        return true;
    }
    const std::string n = isFolder_ ? withTrailingSeparator(std::string(name)) : std::string(name);
    if (relative_) {
        std::string reduced = relativePathOf(n, base_);
        if (namePartOnly_) {
            const std::string trimmed = isFolder_ ? withoutTrailingSeparator(reduced) : reduced;
            reduced = std::string(namePartOf(trimmed));
        }
        const auto foldedName = folded(reduced);
        return matchesFolded(foldedName, maskName_) || matchesFolded(foldedName, maskFromBaseDir_);
    }
    const auto nameFolder = folderPartOf(n);
    if (!pathTextEqual(nameFolder, maskFolder_)) {
        return everythingBelow_ && pathTextStartsWith(nameFolder, maskFolder_);
    }
    return matchesFolded(folded(n), fullMask_);
}

bool ExternalMask::madeFrom(std::string_view mask, bool isFolder, std::string_view base,
                            std::string_view baseDir) const {
    return mask == mask_ && isFolder == isFolder_ && base == base_ && baseDir == baseDir_;
}

bool IsExternalFileMatchMask(std::string_view name, std::string_view mask, bool isFolder, std::string_view base,
                             std::string_view baseDir) {
    return ExternalMask(mask, isFolder, base, baseDir).matches(name);
}

} // namespace korvane
