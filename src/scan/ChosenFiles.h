// Maps and files the user picks in open dialogs, turned into relative names and added to the step lists.
#pragma once

#include "platform/NameList.h"

#include <string>
#include <vector>

namespace korvane {

// Why a chosen file stayed out of its list.
struct ChoiceRefused {
    enum class Reason {
        OutsideInstallation,
        NotAMap, // not a .wld
        AlreadyListed,
    };
    Reason reason;
    std::string name; // relative to the installation; empty when outside it
};

// The text the front ends give a refusal.
std::string refusalMessage(const ChoiceRefused& refused);

// Adds chosen maps to the map list; each rejected file is refused on its own and the rest still go in.
std::vector<ChoiceRefused> addChosenMaps(const std::vector<std::string>& chosenPaths, const std::string& installRoot,
                                         NameList& maps);

// Adds chosen files to the file list, standard or not, with no scan.
std::vector<ChoiceRefused> addChosenFiles(const std::vector<std::string>& chosenPaths, const std::string& installRoot,
                                          NameList& files);

// Clearing a map's mark removes the map.
void removeUncheckedMaps(NameList& maps);

} // namespace korvane
