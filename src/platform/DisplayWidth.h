// Columns text takes on a terminal: wide East Asian characters take two, combining marks none.
#pragma once

#include <cstddef>
#include <string_view>

namespace korvane {

std::size_t displayWidth(std::string_view text);
// The columns of the character starting at text[at]; a byte that starts no valid sequence takes one.
std::size_t displayWidthAt(std::string_view text, std::size_t at);

} // namespace korvane
