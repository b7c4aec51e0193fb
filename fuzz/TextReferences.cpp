// The deep scan's text reader over arbitrary bytes: every name it cuts is a non-empty piece of the text
// before its first NUL, and pieces come in the order they stand.
#include "scan/TextReferences.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string_view text = bytes.substr(0, bytes.find('\0'));
    for (const bool withIncludes : {false, true}) {
        const char* previous = text.data();
        for (const std::string_view name : korvane::textReferences(bytes, withIncludes)) {
            const bool inside = std::less_equal<>()(text.data(), name.data()) &&
                                std::less_equal<>()(name.data() + name.size(), text.data() + text.size());
            if (name.empty() || !inside || std::less<>()(name.data(), previous)) {
                std::abort();
            }
            previous = name.data();
        }
    }
    return 0;
}
