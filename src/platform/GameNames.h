// Names as the game looks them up, whatever spelling a map wrote them in, and the spellings of one edition.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace korvane {

// The name as the game looks it up: the engine's file names take '/' as '\', and a doubled or leading
// separator names nothing of its own, so runs of separators become one '\' and a leading one goes.
std::string lookupNameOf(std::string_view name);

// Revolution merged the Second Encounter's "...MP" folders into the plain ones and wrote spaces in its
// standard names as '_': the spellings under which it may hold a name, the name itself not included.
std::vector<std::string> revolutionSpellings(std::string_view name);

// Revolution is the installation whose root holds both of its content archives.
bool isRevolutionInstallation(std::string_view installRoot);

} // namespace korvane
