// The collection's messages, which both front ends and the tests name rather than spell.
#pragma once

namespace korvane {

inline constexpr const char* kNoMapsListed = "Please add at least one map to the list before proceeding.";

} // namespace korvane
