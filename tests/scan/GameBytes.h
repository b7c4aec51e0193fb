// Game file contents built byte by byte for the scanner tests.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace korvane::testing {

// A reference record: "DFNM", a 32-bit little-endian length, then the bytes.
inline std::string dfnm(std::string_view bytes, std::uint32_t length) {
    std::string record = "DFNM";
    for (int shift = 0; shift < 32; shift += 8) {
        record.push_back(static_cast<char>((length >> shift) & 0xFF));
    }
    return record.append(bytes);
}

inline std::string dfnm(std::string_view name) {
    return dfnm(name, static_cast<std::uint32_t>(name.size()));
}

inline std::string zeros(std::size_t count) {
    return std::string(count, '\0');
}

// Bytes that put the next text at the given offset.
inline std::string padTo(const std::string& bytes, std::size_t offset, char fill = 'x') {
    return bytes + std::string(offset - bytes.size(), fill);
}

} // namespace korvane::testing
