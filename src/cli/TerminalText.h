// Names as a terminal shows them: a control character in a name is drawn, never obeyed.
#pragma once

#include <string>
#include <string_view>

namespace korvane::cli {

// On a terminal, control characters (C0, DEL and the C1 range) are shown in caret notation ("^[" for ESC,
// "^J" for a line break, "M-^[" for U+009B); elsewhere the name keeps its exact bytes.
std::string shownName(std::string_view name, bool terminal);

} // namespace korvane::cli
