#include "platform/DisplayWidth.h"

#include "platform/Utf8Text.h"

namespace korvane {

std::size_t displayWidth(std::string_view text) {
    std::size_t columns = 0;
    for (std::size_t i = 0; i < text.size(); i += utf8CharacterAt(text, i).size()) {
        columns += displayWidthAt(text, i);
    }
    return columns;
}

} // namespace korvane
