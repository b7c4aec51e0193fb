// Entry names and comments as the engine holds them, UTF-8 with '/' separators, and as the archive stores them.
#pragma once

#include "archive/internal/ZipRecords.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace korvane {

// Bytes as stored in the archive to UTF-8. Valid UTF-8 is taken as it is when the language-encoding flag says
// so, or when a Unix tool made the entry (those store the system's UTF-8 names without setting the flag);
// anything else is converted from the OEM code page.
std::string textFromArchive(std::string_view raw, std::uint16_t flags, std::uint16_t versionMadeBy);
// A name as textFromArchive reads it, except that a valid Unicode Path field in the extra field gives the
// name, with every '\' turned into '/': a StoredName.
std::string storedNameFromArchive(std::string_view raw, std::uint16_t flags, std::uint16_t versionMadeBy,
                                  std::string_view extra = {});

// Whether the archive stores the name (a StoredName read from the header with this extra field) as its bytes
// in the ANSI code page, which is how maps name files. The reader took the name from a Unicode Path field
// (whose checksum then vouches for the stored bytes), from UTF-8, or from the OEM code page.
bool nameStoredAsAnsi(const std::string& storedName, const TZEZipCentralDir& header, std::string_view extra);

// The host system byte of "version made by" for Unix and for macOS.
inline constexpr std::uint8_t kHostUnix = 3;
inline constexpr std::uint8_t kHostMacOs = 19;
constexpr bool madeOnUnix(std::uint16_t versionMadeBy) {
    const auto host = static_cast<std::uint8_t>(versionMadeBy >> 8);
    return host == kHostUnix || host == kHostMacOs;
}

// Stored names as written: the bytes the game compares, which are the ANSI code page that maps use; or UTF-8
// with flag bit 11 when a character has no ANSI byte, so that no name is lost. A non-ASCII name also gets a
// Unicode Path field carrying its UTF-8 form, which other tools show.
struct EncodedName {
    std::string bytes;
    bool utf8 = false; // general purpose flag bit 11
    std::string extra; // the Unicode Path block of a non-ASCII name
};

EncodedName encodeStoredName(std::string_view storedName);

} // namespace korvane
