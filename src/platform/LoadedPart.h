// A part of the program kept in a library of its own, loaded only by the runs that need it, so that the
// others never load it nor the libraries it links.
#pragma once

#include <optional>
#include <string>

namespace korvane {

// Loads the library `file` from the program's own folder, or else from `installedFolder` (relative to the
// program's folder, where an installation puts it), and runs its entry point `int entry(int argc, char** argv)`;
// nothing when either cannot be found, `why` then saying why. No other place is searched.
std::optional<int> runLoadedPart(const std::string& file, const std::string& installedFolder, const char* entry,
                                 int argc, char** argv, std::string& why);

} // namespace korvane
