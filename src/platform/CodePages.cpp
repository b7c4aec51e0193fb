#include "platform/CodePages.h"

#include "platform/Utf8Text.h"

#include <unicode/ucnv.h>
#include <unicode/utf8.h>

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
        auto converter = openConverter(number);
        if (!converter) {
            converter = openConverter(fallback);
        }
        for (int byte = 0; byte < 256; ++byte) {
            toUnicode_[static_cast<std::size_t>(byte)] =
                byte < 0x80 ? static_cast<char32_t>(byte) : decodeByte(converter.get(), byte);
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
        std::string bytes;
        bytes.reserve(text.size());
        const auto* data = reinterpret_cast<const std::uint8_t*>(text.data());
        const auto length = static_cast<std::int32_t>(text.size());
        std::int32_t offset = 0;
        while (offset < length) {
            UChar32 c = 0;
            U8_NEXT(data, offset, length, c);
            if (c < 0) {
                return std::nullopt;
            }
            const auto found = fromUnicode_.find(static_cast<char32_t>(c));
            if (found == fromUnicode_.end()) {
                return std::nullopt;
            }
            bytes.push_back(static_cast<char>(found->second));
        }
        return bytes;
    }

private:
    struct ConverterClose {
        void operator()(UConverter* converter) const { ucnv_close(converter); }
    };
    using Converter = std::unique_ptr<UConverter, ConverterClose>;

    // Tries the names ICU knows single-byte Windows and DOS code pages by.
    static Converter openConverter(int number) {
        const std::string digits = std::to_string(number);
        for (const std::string& name : {"windows-" + digits, "ibm-" + digits, "cp" + digits}) {
            UErrorCode status = U_ZERO_ERROR;
            Converter converter(ucnv_open(name.c_str(), &status));
            if (U_SUCCESS(status) && converter && ucnv_getMaxCharSize(converter.get()) == 1) {
                return converter;
            }
        }
        return nullptr;
    }

    static char32_t decodeByte(UConverter* converter, int byte) {
        if (converter == nullptr) {
            return kPrivateBase + static_cast<char32_t>(byte);
        }
        UErrorCode status = U_ZERO_ERROR;
        ucnv_reset(converter);
        ucnv_setToUCallBack(converter, UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
        const char in = static_cast<char>(byte);
        std::array<UChar, 4> out{};
        const auto produced =
            ucnv_toUChars(converter, out.data(), static_cast<std::int32_t>(out.size()), &in, 1, &status);
        // A byte mapped to a C1 control by fallback is treated as undefined: it has no real character.
        if (U_FAILURE(status) || produced != 1 || out[0] == 0xFFFD || out[0] == 0x1A ||
            (out[0] >= 0x80 && out[0] < 0xA0)) {
            return kPrivateBase + static_cast<char32_t>(byte);
        }
        return out[0];
    }

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
