// The Info-ZIP Unicode Path extra field (0x7075): the UTF-8 name beside stored bytes in another code page, so
// that other tools show the name right while the game still compares the stored bytes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace korvane {

inline constexpr std::uint16_t kUnicodePathExtraId = 0x7075;

// The whole block: header, version 1, the CRC-32 of the stored bytes, the UTF-8 name.
std::string unicodePathBlock(std::string_view storedBytes, std::string_view utf8Name);

// The extra field without any Unicode Path block, then the given block (which may be empty).
std::string withUnicodePath(std::string_view extra, std::string_view block);

// The UTF-8 name of a block that belongs to these stored bytes (version 1, matching CRC-32, valid UTF-8).
std::optional<std::string> unicodePathName(std::string_view extra, std::string_view storedBytes);

} // namespace korvane
