#include "scan/ChosenFiles.h"

#include "platform/GamePath.h"
#include "scan/ScanFiles.h"

#include <optional>

namespace korvane {

namespace {

// The relative name of a chosen file that lies inside the installation, or nothing after the message.
std::optional<std::string> insideInstallation(const std::string& chosenPath, const std::string& installRoot,
                                              UserDialogs& dialogs) {
    std::string name = relativeNameOf(chosenPath, installRoot);
    if (!gameFileExists(installRoot, name)) {
        dialogs.showMessage(kOutsideInstallationMessage);
        return std::nullopt;
    }
    return name;
}

void appendNew(const std::string& name, NameList& list, UserDialogs& dialogs) {
    if (list.contains(name)) {
        dialogs.showMessage(name + " is already in the list.");
    } else {
        list.append(name, true);
    }
}

} // namespace

void addChosenMaps(const std::vector<std::string>& chosenPaths, const std::string& installRoot, NameList& maps,
                   UserDialogs& dialogs) {
    for (const auto& chosen : chosenPaths) {
        const auto name = insideInstallation(chosen, installRoot, dialogs);
        if (!name) {
            continue;
        }
        if (!equalsAsciiNoCase(extensionOf(*name), ".wld")) {
            dialogs.showMessage("Please choose .wld files only.");
            continue;
        }
        appendNew(*name, maps, dialogs);
    }
}

void addChosenFiles(const std::vector<std::string>& chosenPaths, const std::string& installRoot, NameList& files,
                    UserDialogs& dialogs) {
    for (const auto& chosen : chosenPaths) {
        if (const auto name = insideInstallation(chosen, installRoot, dialogs)) {
            appendNew(*name, files, dialogs);
        }
    }
}

void removeUncheckedMaps(NameList& maps) {
    for (int i = maps.size() - 1; i >= 0; --i) {
        if (!maps.checked(i)) {
            maps.removeAt(i);
        }
    }
}

} // namespace korvane
