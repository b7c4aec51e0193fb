// The collection's messages, which both front ends and the tests name rather than spell.
#pragma once

#include <string>

namespace korvane {

inline constexpr const char* kNoMapsListed = "Please add at least one map to the list before proceeding.";

// A listed map that was gone when the collection reached it.
inline std::string mapNotFoundMessage(const std::string& map) {
    return "File " + map + " does not exist.";
}

} // namespace korvane
