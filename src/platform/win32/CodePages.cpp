// The code pages as Windows knows them.
#include "platform/CodePages.h"

#include "Wide.h"

namespace korvane {

std::optional<std::array<char32_t, 128>> codePageUpperHalf(int number) {
    CPINFO info{};
    if (GetCPInfo(static_cast<UINT>(number), &info) == 0 || info.MaxCharSize != 1) {
        return std::nullopt;
    }
    std::array<char32_t, 128> upper{};
    for (int byte = 0x80; byte < 0x100; ++byte) {
        const char in = static_cast<char>(byte);
        wchar_t out = 0;
        // A byte without a character of its own (or only a C1 control) stays undefined.
        if (MultiByteToWideChar(static_cast<UINT>(number), MB_ERR_INVALID_CHARS, &in, 1, &out, 1) == 1 &&
            !(out >= 0x80 && out < 0xA0) && out != 0xFFFD) {
            upper[static_cast<std::size_t>(byte - 0x80)] = out;
        }
    }
    return upper;
}

} // namespace korvane
