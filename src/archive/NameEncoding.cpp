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
    return {std::string(storedName), true, {}};
}

} // namespace korvane
