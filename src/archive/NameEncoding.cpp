#include "archive/NameEncoding.h"

#include "archive/UnicodePathField.h"
#include "platform/AsciiText.h"
#include "platform/CodePages.h"

namespace korvane {

EncodedName encodeStoredName(std::string_view storedName) {
    if (isAscii(storedName)) {
        return {std::string(storedName), false, {}};
    }
    if (auto ansi = utf8ToAnsi(storedName)) {
        std::string block = unicodePathBlock(*ansi, storedName);
        return {std::move(*ansi), false, std::move(block)};
    }
    // Some tools ignore flag bit 11 from a DOS host, yet read the field.
    return {std::string(storedName), true, unicodePathBlock(storedName, storedName)};
}

} // namespace korvane
