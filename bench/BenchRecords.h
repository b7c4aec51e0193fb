// Shared pieces of the benchmarks: a reference record as maps and textures hold it, and a scratch folder.
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <optional>
#include <string>

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

} // namespace korvane::bench
