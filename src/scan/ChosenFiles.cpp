#include "scan/ChosenFiles.h"

#include "platform/GamePath.h"
#include "scan/ScanFiles.h"

#include <optional>

namespace korvane {

namespace {

using Reason = ChoiceRefused::Reason;

// The relative name of a chosen file that lies inside the installation, or nothing after the refusal.
std::optional<std::string> insideInstallation(const std::string& chosenPath, const std::string& installRoot,
                                              std::vector<ChoiceRefused>& refused) {
    std::string name = relativeNameOf(chosenPath, installRoot);
    if (!gameFileExists(installRoot, name)) {
        refused.push_back({Reason::OutsideInstallation, {}});
        return std::nullopt;
    }
    return name;
}

void appendNew(const std::string& name, NameList& list, std::vector<ChoiceRefused>& refused) {
    if (list.contains(name)) {
        refused.push_back({Reason::AlreadyListed, name});
    } else {
        list.append(name, true);
    }
}

} // namespace

std::string refusalMessage(const ChoiceRefused& refused) {
    switch (refused.reason) {
    case Reason::OutsideInstallation:
        return "The files must reside inside the SS installation directory.\nIf you are sure that it's there, then "
               "please check that the\npath is correctly defined in the Options menu.";
    case Reason::NotAMap:
        return "Please choose .wld files only.";
    case Reason::AlreadyListed:
        break;
    }
    return refused.name + " is already in the list.";
}

std::vector<ChoiceRefused> addChosenMaps(const std::vector<std::string>& chosenPaths, const std::string& installRoot,
                                         NameList& maps) {
    std::vector<ChoiceRefused> refused;
    for (const auto& chosen : chosenPaths) {
        const auto name = insideInstallation(chosen, installRoot, refused);
        if (!name) {
            continue;
        }
        if (!equalsAsciiNoCase(extensionOf(*name), ".wld")) {
            refused.push_back({Reason::NotAMap, *name});
            continue;
        }
        appendNew(*name, maps, refused);
    }
    return refused;
}

std::vector<ChoiceRefused> addChosenFiles(const std::vector<std::string>& chosenPaths, const std::string& installRoot,
                                          NameList& files) {
    std::vector<ChoiceRefused> refused;
    for (const auto& chosen : chosenPaths) {
        if (const auto name = insideInstallation(chosen, installRoot, refused)) {
            appendNew(*name, files, refused);
        }
    }
    return refused;
}

void removeUncheckedMaps(NameList& maps) {
    for (int i = maps.size() - 1; i >= 0; --i) {
        if (!maps.checked(i)) {
            maps.removeAt(i);
        }
    }
}

} // namespace korvane
