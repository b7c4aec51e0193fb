// The lines of a multi-line text box as the windows use them: exactly as typed, empty lines included, but a
// last line left empty after a final line break is not a line.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace korvane {

std::vector<std::string> textLines(std::string_view text);
std::string joinLines(const std::vector<std::string>& lines);

} // namespace korvane
