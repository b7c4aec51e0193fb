#include "platform/FileFacts.h"

#include "platform/AsciiText.h"
#include "platform/FileHandle.h"
#include "platform/ListingRun.h"
#include "platform/Utf8Text.h"
#include "platform/Wildcard.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>

namespace korvane {
namespace {

constexpr std::uint32_t kDosInfoAttrib = 1; // valid_flags bit: the attrib field holds the attributes

std::uint32_t readLittle(const unsigned char* bytes, std::size_t size) {
    std::uint32_t value = 0;
    for (std::size_t i = size; i > 0; --i) {
        value = (value << 8) | bytes[i - 1];
    }
    return value;
}

// The attributes a Samba share keeps in user.DOSATTRIB: either the old form, a "0x20"-style hex string, or
// the hex string (possibly empty) followed by a versioned little-endian record, aligned as NDR aligns it.
std::optional<std::uint32_t> parseDosAttrib(const unsigned char* blob, std::size_t size) {
    const auto* nul = static_cast<const unsigned char*>(std::memchr(blob, 0, size));
    const std::size_t hexLength = nul == nullptr ? size : static_cast<std::size_t>(nul - blob);
    std::size_t pos = (hexLength + 2) & ~std::size_t{1};
    if (nul != nullptr && pos + 4 <= size) {
        const std::uint32_t version = readLittle(blob + pos, 2);
        pos = (pos + 4 + 3) & ~std::size_t{3};
        if (version == 1 && pos + 4 <= size) {
            return readLittle(blob + pos, 4);
        }
        if (version == 2 && pos + 8 <= size) {
            return readLittle(blob + pos + 4, 4);
        }
        if (version >= 3 && version <= 5 && pos + 8 <= size) {
            const bool valid = (readLittle(blob + pos, 4) & kDosInfoAttrib) != 0;
            return valid ? std::optional(readLittle(blob + pos + 4, 4)) : std::nullopt;
        }
    }
    const std::string hex(reinterpret_cast<const char*>(blob), hexLength);
    if (hex.size() > 2 && hex.size() <= 10 && (hex.starts_with("0x") || hex.starts_with("0X"))) {
        char* end = nullptr;
        const unsigned long value = std::strtoul(hex.c_str() + 2, &end, 16);
        if (*end == '\0') {
            return static_cast<std::uint32_t>(value);
        }
    }
    return std::nullopt;
}

std::optional<std::uint32_t> dosAttribOf(const std::filesystem::path& path) {
    std::array<unsigned char, 256> blob{};
    const ssize_t size = ::getxattr(path.c_str(), "user.DOSATTRIB", blob.data(), blob.size());
    if (size <= 0) {
        return std::nullopt;
    }
    return parseDosAttrib(blob.data(), static_cast<std::size_t>(size));
}

bool isHiddenName(const std::string& name) {
    return name.size() > 1 && name[0] == '.' && name != "..";
}

bool matchesWildcard(std::string_view name, std::string_view mask) {
    return mask == "*.*" || wildcardMatch(asciiFolded(name), asciiFolded(mask));
}

} // namespace

std::u32string asciiFolded(std::string_view text) {
    std::u32string folded = decodeUtf8(text);
    for (auto& c : folded) {
        c = c < 0x80 ? static_cast<char32_t>(asciiLower(static_cast<char>(c))) : c;
    }
    return folded;
}

std::optional<std::uint32_t> fileAttributes(const std::filesystem::path& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return std::nullopt;
    }
    const bool folder = S_ISDIR(info.st_mode);
    if (const auto stored = dosAttribOf(path)) {
        // The file system knows better whether this is a folder.
        return (*stored & ~std::uint32_t{faDirectory | faVolumeId}) | (folder ? std::uint32_t{faDirectory} : 0U);
    }
    std::uint32_t attributes = folder ? std::uint32_t{faDirectory} : std::uint32_t{faArchive};
    // No write permission for anyone counts as read-only even for a user whom permissions do not bind.
    if ((info.st_mode & 0222) == 0 || ::access(path.c_str(), W_OK) != 0) {
        attributes |= faReadOnly;
    }
    if (isHiddenName(path.filename().string())) {
        attributes |= faHidden;
    }
    return attributes;
}

DosDateTime toDosDateTime(std::time_t when) {
    std::tm local{};
    if (::localtime_r(&when, &local) == nullptr) {
        return {};
    }
    // The packed form covers 1980 to 2107; times outside are held at the nearest end.
    if (local.tm_year < 80) {
        return {static_cast<std::uint16_t>((1 << 5) | 1), 0};
    }
    if (local.tm_year > 207) {
        return {static_cast<std::uint16_t>((127 << 9) | (12 << 5) | 31),
                static_cast<std::uint16_t>((23 << 11) | (59 << 5) | 29)};
    }
    DosDateTime packed;
    packed.date = static_cast<std::uint16_t>(((local.tm_year - 80) << 9) | ((local.tm_mon + 1) << 5) | local.tm_mday);
    packed.time = static_cast<std::uint16_t>((local.tm_hour << 11) | (local.tm_min << 5) | (local.tm_sec / 2));
    return packed;
}

std::optional<DosDateTime> lastWriteDosDateTime(const std::filesystem::path& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return std::nullopt;
    }
    return toDosDateTime(info.st_mtime);
}

DosDateTime currentDosDateTime() {
    return toDosDateTime(std::time(nullptr));
}

std::vector<FolderItem> listFolder(const std::filesystem::path& folder, std::string_view mask) {
    ListingRun* run = ListingRun::current();
    if (run != nullptr && mask.find_first_of("*?") == std::string_view::npos) {
        return run->itemsNamed(folder, mask);
    }
    std::vector<FolderItem> items;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::string name = it->path().filename().string();
        if (!matchesWildcard(name, mask)) {
            continue;
        }
        // An entry that vanished or dangles since the listing has no attributes and is left out.
        if (const auto attributes = fileAttributes(it->path())) {
            items.push_back({std::move(name), *attributes});
        }
    }
    std::sort(items.begin(), items.end(), [](const auto& a, const auto& b) { return a.name < b.name; });
    return items;
}

bool createFolder(const std::filesystem::path& path) {
    return ::mkdir(path.c_str(), 0777) == 0;
}

bool probeWritable(const std::filesystem::path& path) {
    struct stat facts {};
    if (::stat(path.c_str(), &facts) == 0) {
        if (!S_ISREG(facts.st_mode)) {
            return false;
        }
        // Opened for writing, not truncated: the file keeps every byte.
        const FileHandle file = FileHandle::open(path, O_WRONLY | O_NONBLOCK);
        if (!file.valid()) {
            return false;
        }
    }
    const auto folder = path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
    return ::faccessat(AT_FDCWD, folder.c_str(), W_OK | X_OK, AT_EACCESS) == 0;
}

std::filesystem::path uniqueTempFile(const std::filesystem::path& folder, std::string_view prefix) {
    std::string pattern = (folder / (std::string(prefix) + "XXXXXX.tmp")).string();
    const FileHandle file(::mkstemps(pattern.data(), 4));
    return file.valid() ? std::filesystem::path(pattern) : std::filesystem::path();
}

} // namespace korvane
