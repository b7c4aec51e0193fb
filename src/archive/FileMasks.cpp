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

} // namespace

bool MatchesMask(std::string_view name, std::string_view mask) {
    return wildcardMatch(folded(name), folded(mask), {.questionAfterStarIsFree = true});
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

bool IsExternalFileMatchMask(std::string_view name, std::string_view mask, bool isFolder, std::string_view base,
                             std::string_view baseDir) {
    if (mask == "*.*") {
        return true;
    }
    std::string n(name);
    std::string m(mask);
    if (isFolder) {
        n = withTrailingSeparator(n);
        if (m.empty() || m.back() != '*') {
            m = withTrailingSeparator(m);
        }
    }
    const auto full = GetFullMask(m, base);
    if (full.relative) {
        std::string reduced = relativePathOf(n, base);
        if (m.find('/') == std::string::npos) {
            const std::string trimmed = isFolder ? withoutTrailingSeparator(reduced) : reduced;
            reduced = std::string(namePartOf(trimmed));
        }
        const std::string maskFull = isFolder ? withoutTrailingSeparator(full.mask) : full.mask;
        const std::string_view maskName = namePartOf(maskFull);
        if (MatchesMask(reduced, maskName)) {
            return true;
        }
        const auto baseDirFull = makeAbsolute(baseDir, base);
        return MatchesMask(reduced, relativePathOf(full.mask, baseDirFull));
    }
    const auto fullMask = makeAbsolute(full.mask, base);
    const auto nameFolder = folderPartOf(n);
    const auto maskFolder = folderPartOf(fullMask);
    if (!pathTextEqual(nameFolder, maskFolder)) {
        return namePartOf(fullMask) == "*.*" && pathTextStartsWith(nameFolder, maskFolder);
    }
    return MatchesMask(n, fullMask);
}

} // namespace korvane
