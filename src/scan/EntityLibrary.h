// Resource names in an entity library (.dll): the entity compiler writes each model, texture, sound and class
// a library uses as the tag "EFNM" directly followed by the name, a NUL-terminated string in the library's
// data. No file access here, so fuzzers and benchmarks reach it.
#pragma once

#include "scan/ReferenceRecords.h"

#include <algorithm>
#include <cstddef>
#include <string_view>

namespace korvane {

// Longer names are no names: the game's own names are at most this long.
inline constexpr std::size_t kMaxLibraryNameLength = 255;
// A tag's bytes from its "E": four letters, the name and its NUL.
inline constexpr std::size_t kMaxLibraryNameSpan = 4 + kMaxLibraryNameLength + 1;
static_assert(kMaxLibraryNameSpan <= kMaxRecordSpan, "the block reader's look-ahead must hold a whole name");

// The name whose tag starts at data[at]; empty when there is no tag there, or the string is empty, holds a
// control byte, is longer than the bound or has no NUL before data ends.
inline std::string_view libraryNameAt(std::string_view data, std::size_t at) {
    if (at >= data.size() || data.compare(at, 4, "EFNM") != 0) {
        return {};
    }
    const std::string_view rest = data.substr(at + 4, std::min(data.size() - at - 4, kMaxLibraryNameLength + 1));
    for (std::size_t i = 0; i < rest.size(); ++i) {
        const auto byte = static_cast<unsigned char>(rest[i]);
        if (byte == 0) {
            return rest.substr(0, i);
        }
        if (byte < 0x20) {
            return {};
        }
    }
    return {};
}

// Calls onName for every tag whose "E" lies in data[0, blockLength), in ascending order.
template <typename OnName> void forEachLibraryName(std::string_view data, std::size_t blockLength, OnName&& onName) {
    forEachTaggedName(
        data, blockLength, 'E', [](std::string_view bytes, std::size_t at) { return libraryNameAt(bytes, at); },
        onName);
}

} // namespace korvane
