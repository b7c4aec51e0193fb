// Contents for test files: text that compresses well and bytes that do not.
#pragma once

#include <cstdint>
#include <string>

namespace korvane::testing {

inline std::string repeated(const std::string& text, int times) {
    std::string result;
    for (int i = 0; i < times; ++i) {
        result += text;
    }
    return result;
}

// As a sound file's bytes: deflate makes them no smaller. Each seed gives other bytes.
inline std::string noise(std::size_t size, std::uint32_t seed = 2463534242u) {
    std::string bytes(size, '\0');
    std::uint32_t state = seed | 1u;
    for (auto& byte : bytes) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        byte = static_cast<char>(state & 0xFF);
    }
    return bytes;
}

} // namespace korvane::testing
