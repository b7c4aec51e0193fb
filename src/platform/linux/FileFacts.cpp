// What the Linux file system says about files, in the game's platform's terms.
#include "platform/FileFacts.h"

#include "platform/FileHandle.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

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

} // namespace

PathKind pathKind(const std::string& path) {
    std::error_code error;
    const auto type = std::filesystem::status(path.empty() ? "." : path, error).type();
    if (error || type == std::filesystem::file_type::not_found) {
        return PathKind::None;
    }
    return type == std::filesystem::file_type::directory ? PathKind::Folder : PathKind::File;
}

std::filesystem::path realLocation(const std::filesystem::path& path) {
    std::error_code error;
    auto real = std::filesystem::canonical(path, error);
    return error ? std::filesystem::path() : real;
}

bool toLocalTime(std::time_t when, std::tm& local) {
    return ::localtime_r(&when, &local) != nullptr;
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

std::optional<DosDateTime> lastWriteDosDateTime(const std::filesystem::path& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return std::nullopt;
    }
    return toDosDateTime(info.st_mtime);
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
