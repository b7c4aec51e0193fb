#include "platform/CodePages.h"

#include "platform/AsciiText.h"
#include "platform/Utf8Text.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>

namespace korvane {
namespace {

// Bytes a code page leaves undefined decode to U+F700 + byte and encode back to that byte.
constexpr char32_t kPrivateBase = 0xF700;

// One single-byte code page as a pair of tables, built once through ICU.
class CodePage {
public:
    // A code page ICU does not know as a single-byte one gives way to the fallback.
    CodePage(int number, int fallback) {
        auto upper = codePageUpperHalf(number);
        if (!upper) {
            upper = codePageUpperHalf(fallback);
        }
        std::array<char32_t, 256> toUnicode{};
        for (int byte = 0; byte < 256; ++byte) {
            const char32_t c = byte < 0x80 ? static_cast<char32_t>(byte) : upper ? (*upper)[byte - 0x80] : 0;
            toUnicode[static_cast<std::size_t>(byte)] =
                byte < 0x80 || c != 0 ? c : kPrivateBase + static_cast<char32_t>(byte);
        }
        // Two bytes sharing one character would make decoding lossy: the later byte keeps a private character.
        for (auto here = toUnicode.begin(); here != toUnicode.end(); ++here) {
            if (std::find(toUnicode.begin(), here, *here) != here) {
                *here = kPrivateBase + static_cast<char32_t>(here - toUnicode.begin());
            }
        }
        for (std::size_t byte = 0; byte < 256; ++byte) {
            std::string bytes;
            appendUtf8(bytes, toUnicode[byte]);
            utf8_[byte].length = static_cast<std::uint8_t>(bytes.size());
            std::copy(bytes.begin(), bytes.end(), utf8_[byte].bytes.begin());
            fromUnicode_[byte] = {toUnicode[byte], static_cast<unsigned char>(byte)};
        }
        std::sort(fromUnicode_.begin(), fromUnicode_.end());
    }

    std::string decode(std::string_view bytes) const {
        // Sized first, so that a name is written once into a buffer of its final length.
        std::size_t length = 0;
        for (const char byte : bytes) {
            length += utf8_[static_cast<unsigned char>(byte)].length;
        }
        std::string text(length, '\0');
        char* out = text.data();
        for (const char byte : bytes) {
            const Utf8Bytes& character = utf8_[static_cast<unsigned char>(byte)];
            out = std::copy_n(character.bytes.begin(), character.length, out);
        }
        return text;
    }

    // Appends the text's bytes. A character the code page lacks becomes the replacement, or fails the text
    // (false, with the output cut short) when there is none.
    bool encodeInto(std::string& out, std::string_view text, std::optional<char> replacement) const {
        // ASCII is itself in every code page, and most game names are ASCII.
        if (isAscii(text)) {
            out += text;
            return true;
        }
        // Ill-formed bytes decode to values no table entry holds.
        for (const char32_t c : decodeUtf8(text)) {
            const auto found =
                std::lower_bound(fromUnicode_.begin(), fromUnicode_.end(), std::pair<char32_t, unsigned char>{c, 0});
            if (found != fromUnicode_.end() && found->first == c) {
                out.push_back(static_cast<char>(found->second));
            } else if (replacement) {
                out.push_back(*replacement);
            } else {
                return false;
            }
        }
        return true;
    }

    std::optional<std::string> encode(std::string_view text) const {
        std::string bytes;
        bytes.reserve(text.size());
        return encodeInto(bytes, text, std::nullopt) ? std::optional(std::move(bytes)) : std::nullopt;
    }

private:
    struct Utf8Bytes {
        std::array<char, 4> bytes{};
        std::uint8_t length = 0;
    };
    std::array<Utf8Bytes, 256> utf8_{};
    std::array<std::pair<char32_t, unsigned char>, 256> fromUnicode_{}; // sorted by character
};

int codePageFromEnvironment(const char* variable, int fallback) {
    const char* value = std::getenv(variable);
    if (value == nullptr || *value == '\0') {
        return fallback;
    }
    char* end = nullptr;
    const long number = std::strtol(value, &end, 10);
    return (*end == '\0' && number > 0 && number < 65536) ? static_cast<int>(number) : fallback;
}

const CodePage& ansi() {
    static const CodePage page(codePageFromEnvironment("KORVANE_ANSI_CODEPAGE", 1251), 1251);
    return page;
}

const CodePage& oem() {
    static const CodePage page(codePageFromEnvironment("KORVANE_OEM_CODEPAGE", 866), 866);
    return page;
}

} // namespace

std::string ansiToUtf8(std::string_view bytes) {
    return ansi().decode(bytes);
}
std::string oemToUtf8(std::string_view bytes) {
    return oem().decode(bytes);
}
std::optional<std::string> utf8ToAnsi(std::string_view text) {
    return ansi().encode(text);
}
void appendAnsiReplacing(std::string& out, std::string_view text) {
    ansi().encodeInto(out, text, '?');
}
std::optional<std::string> utf8ToOem(std::string_view text) {
    return oem().encode(text);
}

} // namespace korvane
