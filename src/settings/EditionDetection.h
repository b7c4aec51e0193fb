// Which edition of the game an installation is, told by the standard archives it holds.
#pragma once

#include "settings/StandardPresets.h"

#include <string>
#include <vector>

namespace korvane {

// The front ends add what to do instead: the wizard's "Другой", the command line's archive names.
inline const char* const kNoEditionFound = "The archives in this folder match no known edition of the game.";

// The edition all of whose required archives lie in the installation's root folder (the most specific
// when several do), or none.
const Edition* detectEdition(const std::string& installRoot);

// The edition's archives this installation lists: every required one and each optional one it has.
std::vector<std::string> editionArchives(const Edition& edition, const std::string& installRoot);

// "Found The Second Encounter v1.10."
std::string editionFoundText(const Edition& edition);

} // namespace korvane

namespace korvane {

// What the setup wizard preselects for an installation: item 0 or 1 for the design's two editions, else
// item 2 ("Другой") with the found edition's archives, or with none and the no-edition message.
struct VersionGuess {
    int item = 2;
    std::vector<std::string> archives;
    std::string text;
};
VersionGuess guessWizardVersion(const std::string& installRoot);

} // namespace korvane
