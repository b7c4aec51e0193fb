// The converter's messages, which both front ends and the tests name rather than spell.
#pragma once

namespace korvane {

inline constexpr const char* kVersion150Detected =
    "Version 1.50 was detected. Please choose where to save the new file.";
inline constexpr const char* kChooseWhereToSave = "Please choose where to save the new file.";
inline constexpr const char* kAlreadyVersion107 = "This file is already version 1.07";
inline constexpr const char* kUnknownVersionQuestion =
    "Unknown version. Do you wish to continue? (The file may just corrupt)";
inline constexpr const char* kConverted = "Done.";

} // namespace korvane
