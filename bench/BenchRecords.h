// Shared pieces of the benchmarks: a reference record as maps and textures hold it, and a scratch folder.
#pragma once

#include <stdlib.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace korvane::bench {

// "DFNM", the name's length as a 32-bit little-endian count, then the name.
inline std::string referenceRecord(const std::string& name) {
    std::string bytes = "DFNM";
    bytes.push_back(static_cast<char>(name.size()));
    bytes.append(3, '\0');
    return bytes + name;
}

// A new empty folder under the system's temporary folder; none when it cannot be made.
inline std::optional<std::filesystem::path> scratchFolder() {
    std::error_code error;
    std::string pattern = (std::filesystem::temp_directory_path(error) / "korvane-bench-XXXXXX").string();
    if (error || mkdtemp(pattern.data()) == nullptr) {
        return std::nullopt;
    }
    return std::filesystem::path(pattern);
}

inline void put16(std::string& out, std::uint16_t value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>(value >> 8);
}

inline void put32(std::string& out, std::uint32_t value) {
    put16(out, static_cast<std::uint16_t>(value & 0xFFFF));
    put16(out, static_cast<std::uint16_t>(value >> 16));
}

// A ZIP archive of empty stored members: enough for listing, which reads only the directory.
inline void writeListingArchive(const std::filesystem::path& path, const std::vector<std::string>& names) {
    std::string data;
    std::string directory;
    for (const auto& name : names) {
        const auto offset = static_cast<std::uint32_t>(data.size());
        put32(data, 0x04034B50);
        put16(data, 20);
        put16(data, 0);
        put16(data, 0);
        put32(data, 0);
        put32(data, 0);
        put32(data, 0);
        put32(data, 0);
        put16(data, static_cast<std::uint16_t>(name.size()));
        put16(data, 0);
        data += name;
        put32(directory, 0x02014B50);
        put16(directory, 20);
        put16(directory, 20);
        for (int i = 0; i < 2; ++i) {
            put16(directory, 0);
        }
        put32(directory, 0);
        for (int i = 0; i < 3; ++i) {
            put32(directory, 0);
        }
        put16(directory, static_cast<std::uint16_t>(name.size()));
        for (int i = 0; i < 4; ++i) {
            put16(directory, 0);
        }
        put32(directory, 32);
        put32(directory, offset);
        directory += name;
    }
    const auto directoryOffset = static_cast<std::uint32_t>(data.size());
    data += directory;
    put32(data, 0x06054B50);
    put32(data, 0);
    put16(data, static_cast<std::uint16_t>(names.size()));
    put16(data, static_cast<std::uint16_t>(names.size()));
    put32(data, static_cast<std::uint32_t>(directory.size()));
    put32(data, directoryOffset);
    put16(data, 0);
    std::ofstream(path, std::ios::binary) << data;
}

} // namespace korvane::bench
