// Bytes of game files for the benchmarks: a reference record as maps and textures hold it.
#pragma once

#include <string>

namespace korvane::bench {

// "DFNM", the name's length as a 32-bit little-endian count, then the name.
inline std::string referenceRecord(const std::string& name) {
    std::string bytes = "DFNM";
    bytes.push_back(static_cast<char>(name.size()));
    bytes.append(3, '\0');
    return bytes + name;
}

} // namespace korvane::bench
