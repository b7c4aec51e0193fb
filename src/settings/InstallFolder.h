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

} // namespace korvane
