// A part of the program kept in a library of its own, loaded only by the runs that need it, so that the
// others never load it nor the libraries it links.
#pragma once

#include <optional>
#include <string>

namespace korvane {

// Loads the library `file`, searched for in the program's own library folders, and runs its entry point
// `int entry(int argc, char** argv)`; nothing when either cannot be found, `why` then saying why.
std::optional<int> runLoadedPart(const char* file, const char* entry, int argc, char** argv, std::string& why);

} // namespace korvane
