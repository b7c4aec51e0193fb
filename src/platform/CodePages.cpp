#include "platform/CodePages.h"

#include "platform/AsciiText.h"
#include "platform/Utf8Text.h"

#include <array>
#include <cstdlib>
#include <memory>
#include <unordered_map>

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
        for (int byte = 0; byte < 256; ++byte) {
            const char32_t c = byte < 0x80 ? static_cast<char32_t>(byte) : upper ? (*upper)[byte - 0x80] : 0;
            toUnicode_[static_cast<std::size_t>(byte)] =
                byte < 0x80 || c != 0 ? c : kPrivateBase + static_cast<char32_t>(byte);
        }
        for (int byte = 255; byte >= 0; --byte) {
            fromUnicode_[toUnicode_[static_cast<std::size_t>(byte)]] = static_cast<unsigned char>(byte);
        }
        // Two bytes sharing one character would make decoding lossy: the later byte keeps a private character.
        for (int byte = 0; byte < 256; ++byte) {
            const char32_t c = toUnicode_[static_cast<std::size_t>(byte)];
            if (fromUnicode_[c] != byte) {
                toUnicode_[static_cast<std::size_t>(byte)] = kPrivateBase + static_cast<char32_t>(byte);
                fromUnicode_[kPrivateBase + static_cast<char32_t>(byte)] = static_cast<unsigned char>(byte);
            }
        }
    }

    std::string decode(std::string_view bytes) const {
        std::string text;
        text.reserve(bytes.size());
        for (const char byte : bytes) {
            appendUtf8(text, toUnicode_[static_cast<unsigned char>(byte)]);
        }
        return text;
    }

    std::optional<std::string> encode(std::string_view text) const {
        // ASCII is itself in every code page, and most game names are ASCII.
        if (isAscii(text)) {
            return std::string(text);
        }
        std::string bytes;
        bytes.reserve(text.size());
        if (!isValidUtf8(text)) {
            return std::nullopt;
        }
        for (const char32_t c : decodeUtf8(text)) {
            const auto found = fromUnicode_.find(c);
            if (found == fromUnicode_.end()) {
                return std::nullopt;
            }
            bytes.push_back(static_cast<char>(found->second));
        }
        return bytes;
    }

private:
    std::array<char32_t, 256> toUnicode_{};
    std::unordered_map<char32_t, unsigned char> fromUnicode_;
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
std::optional<std::string> utf8ToOem(std::string_view text) {
    return oem().encode(text);
}

} // namespace korvane
