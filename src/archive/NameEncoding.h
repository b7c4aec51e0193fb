// Stored names as the archive holds them: the bytes the game compares, which are the ANSI code page that
// maps use; or UTF-8 with flag bit 11 when a character has no ANSI byte, so that no name is lost. A
// non-ASCII name also gets a Unicode Path field carrying its UTF-8 form, which other tools show.
#pragma once

#include <string>
#include <string_view>

namespace korvane {

struct EncodedName {
    std::string bytes;
    bool utf8 = false; // general purpose flag bit 11
    std::string extra; // the Unicode Path block of a non-ASCII name
};

EncodedName encodeStoredName(std::string_view storedName);

} // namespace korvane
