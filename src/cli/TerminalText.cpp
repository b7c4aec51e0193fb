#include "cli/TerminalText.h"

namespace korvane::cli {

namespace {

void appendCaret(std::string& text, unsigned char control) {
    text += '^';
    text += control == 0x7F ? '?' : static_cast<char>(control + 0x40);
}

} // namespace

std::string shownName(std::string_view name, bool terminal) {
    if (!terminal) {
        return std::string(name);
    }
    std::string shown;
    shown.reserve(name.size());
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto byte = static_cast<unsigned char>(name[i]);
        const auto next = i + 1 < name.size() ? static_cast<unsigned char>(name[i + 1]) : 0;
        if (byte < 0x20 || byte == 0x7F) {
            appendCaret(shown, byte);
        } else if (byte == 0xC2 && next >= 0x80 && next < 0xA0) {
            // U+0080 to U+009F in UTF-8: terminals take some of these as controls too.
            shown += "M-";
            appendCaret(shown, static_cast<unsigned char>(next - 0x80));
            ++i;
        } else {
            shown += name[i];
        }
    }
    return shown;
}

} // namespace korvane::cli
