#include "archive/FileMasks.h"

#include "archive/DiskPaths.h"
#include "platform/Collation.h"

namespace korvane {

namespace {

// Length of the UTF-8 sequence that starts with this byte; a stray byte counts alone.
std::size_t sequenceLength(unsigned char lead) {
    if (lead >= 0xF0 && lead < 0xF8) {
        return 4;
    }
    if (lead >= 0xE0) {
        return lead < 0xF0 ? 3 : 1;
    }
    return lead >= 0xC0 ? 2 : 1;
}

std::string_view characterAt(std::string_view text, std::size_t at) {
    const auto length = sequenceLength(static_cast<unsigned char>(text[at]));
    return text.substr(at, std::min(length, text.size() - at));
}

char asciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameCharacter(std::string_view a, std::string_view b) {
    if (a.size() == 1 && b.size() == 1) {
        return asciiLower(a[0]) == asciiLower(b[0]);
    }
    return a == b || (a.size() > 1 && b.size() > 1 && caseFoldKey(a) == caseFoldKey(b));
}

} // namespace

bool MatchesMask(std::string_view name, std::string_view mask) {
    std::size_t n = 0;
    std::size_t m = 0;
    // Where the last '*' was seen, and the name position it is currently taken to reach.
    std::size_t starMask = std::string_view::npos;
    std::size_t starName = 0;
    while (n < name.size()) {
        if (m < mask.size() && mask[m] == '*') {
            while (m < mask.size() && (mask[m] == '*' || mask[m] == '?')) {
                ++m; // a '?' right after '*' adds nothing
            }
            starMask = m;
            starName = n;
            continue;
        }
        const auto current = characterAt(name, n);
        if (m < mask.size() && (mask[m] == '?' || sameCharacter(current, characterAt(mask, m)))) {
            m += mask[m] == '?' ? 1 : characterAt(mask, m).size();
            n += current.size();
            continue;
        }
        if (starMask == std::string_view::npos) {
            return false;
        }
        starName += characterAt(name, starName).size();
        n = starName;
        m = starMask;
    }
    while (m < mask.size() && mask[m] == '*') {
        ++m;
    }
    return m == mask.size();
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
