// Messages of the start-up check, the setup wizard and the standard list build, which both front ends and
// the tests name rather than spell.
#pragma once

namespace korvane {

inline constexpr const char* kStandardInfoNotFound = "Standard GRO info was not found. It must be configured again.";
inline constexpr const char* kNoValidGro = "Please choose at least one valid GRO file";
inline constexpr const char* kSelectInstallationFolder = "Please select a valid installation folder.";
inline constexpr const char* kSelectInstallationType = "Please select the type of your Serious Sam installation.";
inline constexpr const char* kSomeGrosMissing =
    "Some GROs could not be found, please press back\nand make sure you selected the correct version.";

} // namespace korvane
