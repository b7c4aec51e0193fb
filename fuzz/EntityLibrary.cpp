// Entity library names over arbitrary bytes: found block by block with only the block reader's look-ahead,
// against a plain reading of the rule over the whole data.
#include "scan/EntityLibrary.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

using Names = std::vector<std::string>;

// The rule as written: "EFNM", then up to 255 bytes of at least 0x20 and a NUL.
Names plainNames(std::string_view data) {
    Names names;
    for (std::size_t at = 0; at + 4 <= data.size(); ++at) {
        if (data.substr(at, 4) != "EFNM") {
            continue;
        }
        std::size_t end = at + 4;
        while (end < data.size() && end - at - 4 <= 255 && static_cast<unsigned char>(data[end]) >= 0x20) {
            ++end;
        }
        if (end < data.size() && data[end] == '\0' && end > at + 4 && end - at - 4 <= 255) {
            names.emplace_back(data.substr(at + 4, end - at - 4));
        }
    }
    return names;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    Names blocks;
    for (std::size_t offset = 0; offset < bytes.size(); offset += 1024) {
        const std::string_view view = bytes.substr(offset, 1024 + korvane::kMaxRecordSpan);
        korvane::forEachLibraryName(view, 1024, [&blocks](std::string_view name) {
            if (name.empty() || name.size() > korvane::kMaxLibraryNameLength) {
                std::abort();
            }
            blocks.emplace_back(name);
        });
    }
    if (blocks != plainNames(bytes)) {
        std::abort();
    }
    return 0;
}
