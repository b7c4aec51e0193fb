// Maps and files the user picks in open dialogs, turned into relative names and added to the step lists.
#pragma once

#include "platform/NameList.h"
#include "platform/UserDialogs.h"

#include <string>
#include <vector>

namespace korvane {

inline constexpr const char* kOutsideInstallationMessage =
    "The files must reside inside the SS installation directory.\nIf you are sure that it's there, then please "
    "check that the\npath is correctly defined in the Options menu.";

// Adds chosen maps to the map list; each rejected file gets its own message and the rest still go in.
void addChosenMaps(const std::vector<std::string>& chosenPaths, const std::string& installRoot, NameList& maps,
                   UserDialogs& dialogs);

// Adds chosen files to the file list, standard or not, with no scan.
void addChosenFiles(const std::vector<std::string>& chosenPaths, const std::string& installRoot, NameList& files,
                    UserDialogs& dialogs);

// Clearing a map's mark removes the map.
void removeUncheckedMaps(NameList& maps);

} // namespace korvane
