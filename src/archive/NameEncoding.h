// Stored names as the archive holds them: the OEM code page, or UTF-8 with flag bit 11 when a character has
// no OEM byte, so that no name is lost.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace korvane {

struct EncodedName {
    std::string bytes;
    bool utf8 = false; // general purpose flag bit 11
};

EncodedName encodeStoredName(std::string_view storedName);

} // namespace korvane
