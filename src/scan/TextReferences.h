// File names in the game's text files (.txt, .smc, .ecl, .sha) as the deep scan reads them: "TFNM" followed
// by the rest of the line, or by a name in double quotes, and in model configurations "#INCLUDE" with a
// quoted name. No file access here.
#pragma once

#include <string_view>
#include <vector>

namespace korvane {

// The names a text gives, in the order they appear, cut as raw bytes from it. The text counts up to its
// first NUL byte, like the usual text scan; empty names are left out.
std::vector<std::string_view> textReferences(std::string_view text, bool withIncludes);

} // namespace korvane
