#include "settings/WineRegistry.h"

#include "platform/GamePath.h"
#include "platform/Utf8Text.h"

#include <algorithm>
#include <cctype>
#include <system_error>

namespace korvane {

namespace {

// Reads up to maxDigits digits of the base at pos; moves pos past them.
char32_t readNumber(std::string_view text, std::size_t& pos, int base, int maxDigits) {
    char32_t value = 0;
    for (int digits = 0; digits < maxDigits && pos < text.size(); ++digits, ++pos) {
        const unsigned char c = static_cast<unsigned char>(text[pos]);
        int digit = 0;
        if (std::isdigit(c)) {
            digit = c - '0';
        } else if (base == 16 && std::isxdigit(c)) {
            digit = std::tolower(c) - 'a' + 10;
        } else {
            break;
        }
        if (digit >= base) {
            break;
        }
        value = value * static_cast<char32_t>(base) + static_cast<char32_t>(digit);
    }
    return value;
}

char32_t escapedCharacter(std::string_view text, std::size_t& pos) {
    const char c = text[pos++];
    switch (c) {
    case 'a':
        return '\a';
    case 'b':
        return '\b';
    case 'e':
        return 0x1B;
    case 'f':
        return '\f';
    case 'n':
        return '\n';
    case 'r':
        return '\r';
    case 't':
        return '\t';
    case 'v':
        return '\v';
    case 'x':
        return readNumber(text, pos, 16, 4);
    default:
        if (c >= '0' && c <= '7') {
            --pos;
            return readNumber(text, pos, 8, 3);
        }
        return static_cast<unsigned char>(c);
    }
}

// Unescapes the text from pos up to the unescaped terminator, UTF-16 escapes becoming UTF-8. Nothing when
// the terminator is missing; otherwise pos ends just past it.
std::optional<std::string> unescapeUntil(std::string_view text, std::size_t& pos, char terminator) {
    std::string out;
    char32_t pendingHigh = 0;
    while (pos < text.size()) {
        const char c = text[pos++];
        if (c == terminator) {
            return out;
        }
        if (c != '\\' || pos >= text.size()) {
            out += c;
            continue;
        }
        const char32_t code = escapedCharacter(text, pos);
        if (code >= 0xD800 && code < 0xDC00) {
            pendingHigh = code;
            continue;
        }
        if (code >= 0xDC00 && code < 0xE000 && pendingHigh != 0) {
            appendUtf8(out, 0x10000 + ((pendingHigh - 0xD800) << 10) + (code - 0xDC00));
        } else {
            appendUtf8(out, code);
        }
        pendingHigh = 0;
    }
    return std::nullopt;
}

// The string of a value line `"Name"="text"` (or `"Name"=str(2):"text"`) when its name is the one asked for.
std::optional<std::string> stringValueOf(std::string_view line, std::string_view value) {
    std::size_t pos = 1;
    const auto name = unescapeUntil(line, pos, '"');
    if (!name || !equalsAsciiNoCase(*name, value) || pos >= line.size() || line[pos] != '=') {
        return std::nullopt;
    }
    std::string_view rest = line.substr(pos + 1);
    for (std::string_view prefix : {"str(2):", "str(7):"}) {
        if (rest.substr(0, prefix.size()) == prefix) {
            rest.remove_prefix(prefix.size());
        }
    }
    if (rest.empty() || rest.front() != '"') {
        return std::nullopt;
    }
    pos = 1;
    return unescapeUntil(rest, pos, '"');
}

} // namespace

std::optional<std::string> readWineRegistryString(std::string_view registryText, std::string_view key,
                                                  std::string_view value) {
    bool inKey = false;
    std::size_t start = 0;
    while (start < registryText.size()) {
        std::size_t end = registryText.find('\n', start);
        if (end == std::string_view::npos) {
            end = registryText.size();
        }
        std::string_view line = registryText.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (!line.empty() && line.front() == '[') {
            std::size_t pos = 1;
            const auto name = unescapeUntil(line, pos, ']');
            inKey = name && equalsAsciiNoCase(*name, key);
        } else if (inKey && !line.empty() && line.front() == '"') {
            if (auto found = stringValueOf(line, value)) {
                return found;
            }
        }
    }
    return std::nullopt;
}

std::optional<std::string> wineDrivePath(const std::filesystem::path& prefix, std::string_view windowsPath) {
    if (prefix.empty() || windowsPath.size() < 2 || windowsPath[1] != ':' ||
        !std::isalpha(static_cast<unsigned char>(windowsPath[0]))) {
        return std::nullopt;
    }
    const std::string drive{static_cast<char>(std::tolower(static_cast<unsigned char>(windowsPath[0]))), ':'};
    std::error_code error;
    // Joined as text: on Windows "c:" appended as a path would replace the whole path with the drive.
    const auto target = std::filesystem::canonical((prefix / "dosdevices").string() + "/" + drive, error);
    if (error || !std::filesystem::is_directory(target, error)) {
        return std::nullopt;
    }
    std::string rest(windowsPath.substr(2));
    std::replace(rest.begin(), rest.end(), '\\', '/');
    if (!rest.empty() && rest.front() == '/') {
        rest.erase(0, 1);
    }
    std::string path = target.string();
    if (!rest.empty()) {
        path += (path.back() == '/' ? "" : "/") + rest;
    }
    return path;
}

} // namespace korvane
