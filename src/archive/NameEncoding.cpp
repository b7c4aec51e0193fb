#include "archive/NameEncoding.h"

#include "platform/CodePages.h"

#include <algorithm>

namespace korvane {

EncodedName encodeStoredName(std::string_view storedName) {
    if (std::all_of(storedName.begin(), storedName.end(),
                    [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
        return {std::string(storedName), false};
    }
    if (auto oem = utf8ToOem(storedName)) {
        return {std::move(*oem), false};
    }
    return {std::string(storedName), true};
}

} // namespace korvane
