// Stored names as the archive holds them: the bytes the game compares, which are the ANSI code page that
// maps use, with a Unicode Path field carrying the UTF-8 name for other tools; or UTF-8 with flag bit 11
// when a character has no ANSI byte, so that no name is lost.
#pragma once

#include <string>
#include <string_view>

namespace korvane {

struct EncodedName {
    std::string bytes;
    bool utf8 = false; // general purpose flag bit 11
    std::string extra; // the Unicode Path block, for a non-ASCII name stored in the ANSI code page
};

EncodedName encodeStoredName(std::string_view storedName);

} // namespace korvane
