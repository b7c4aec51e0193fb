// Facts about an installation folder as the settings windows test them.
#pragma once

#include <string>
#include <string_view>

namespace korvane {

inline const char* const kNotAnInstallation = "This is not a valid Serious Sam installation. Please\n"
                                              "select the root folder of the installation, for example\n"
                                              "C:\\Program Files\\Croteam\\Serious Sam\\";
inline const char* const kChooseValidPathFirst = "Please choose a valid installation path first.";

// Valid when the folder followed directly by "Bin\SeriousSam.exe" names an existing file, so a folder
// written without its trailing separator never passes.
bool isValidInstallation(std::string_view folder);

// The name of a file chosen in a dialog relative to the root: the chosen path without as many leading
// characters as the root has, in the game's '\' form. Whether the cut-off part equals the root is not
// examined; the caller tests that root + the result exists.
std::string relativeNameOf(std::string_view chosenPath, std::string_view root);

} // namespace korvane
