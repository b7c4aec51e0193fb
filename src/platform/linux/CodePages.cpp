// The code pages as ICU knows them.
#include "platform/CodePages.h"

#include <unicode/ucnv.h>

#include <memory>
#include <string>

namespace korvane {
namespace {

struct ConverterClose {
    void operator()(UConverter* converter) const { ucnv_close(converter); }
};
using Converter = std::unique_ptr<UConverter, ConverterClose>;

// Tries the names ICU knows single-byte Windows and DOS code pages by.
Converter openConverter(int number) {
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

char32_t decodeByte(UConverter* converter, int byte) {
    UErrorCode status = U_ZERO_ERROR;
    ucnv_reset(converter);
    ucnv_setToUCallBack(converter, UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
    const char in = static_cast<char>(byte);
    std::array<UChar, 4> out{};
    const auto produced = ucnv_toUChars(converter, out.data(), static_cast<std::int32_t>(out.size()), &in, 1, &status);
    // A byte mapped to a C1 control by fallback is treated as undefined: it has no real character.
    if (U_FAILURE(status) || produced != 1 || out[0] == 0xFFFD || out[0] == 0x1A || (out[0] >= 0x80 && out[0] < 0xA0)) {
        return 0;
    }
    return out[0];
}

} // namespace

std::optional<std::array<char32_t, 128>> codePageUpperHalf(int number) {
    const auto converter = openConverter(number);
    if (!converter) {
        return std::nullopt;
    }
    std::array<char32_t, 128> upper{};
    for (int byte = 0x80; byte < 0x100; ++byte) {
        upper[static_cast<std::size_t>(byte - 0x80)] = decodeByte(converter.get(), byte);
    }
    return upper;
}

} // namespace korvane
