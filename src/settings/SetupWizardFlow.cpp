#include "settings/SetupWizardFlow.h"

#include "platform/GamePath.h"
#include "settings/InstallFolder.h"
#include "settings/SettingsFiles.h"
#include "settings/SettingsMessages.h"
#include "settings/StandardPresets.h"
#include "settings/TextLines.h"

#include <algorithm>

namespace korvane {

const char* SetupWizardFlow::pageTwoProblem(const WizardChoice& choice) const {
    if (!isValidInstallation(choice.folder)) {
        return kSelectInstallationFolder;
    }
    if (choice.version < 0) {
        return kSelectInstallationType;
    }
    if (choice.version == 2) {
        const auto names = textLines(choice.customArchives);
        const bool anyExists = std::any_of(names.begin(), names.end(),
                                           [&](const std::string& name) { return fileExists(choice.folder + name); });
        if (!anyExists) {
            return kNoValidGro;
        }
    }
    return nullptr;
}

WizardStep SetupWizardFlow::next(int page, const WizardChoice& choice) {
    if (page == 2) {
        if (const char* problem = pageTwoProblem(choice)) {
            return {page, problem};
        }
        state_.InstallRoot = choice.folder;
    }
    return {page + 1};
}

int SetupWizardFlow::back(int page) {
    if (page == 4) {
        KeepStandardList = true;
    }
    return page - 1;
}

const std::string& SetupWizardFlow::rootToShow() {
    if (state_.InstallRoot.empty()) {
        state_.InstallRoot = detectInstallation(settings_, places_);
    }
    return state_.InstallRoot;
}

std::vector<std::string> SetupWizardFlow::archiveNames(const WizardChoice& choice) {
    switch (choice.version) {
    case 0:
        return presetArchives(GamePreset::SecondEncounter107);
    case 1:
        return presetArchives(GamePreset::FirstEncounter105);
    default:
        return textLines(choice.customArchives);
    }
}

bool SetupWizardFlow::rebuildsPageThree() {
    const bool keep = KeepStandardList;
    KeepStandardList = false;
    return !keep;
}

void SetupWizardFlow::save(const WizardChoice& choice, const NameList& items) {
    state_.StandardFiles.assign(items.checkedNames(), true);
    state_.StandardGroList.assign(archiveNames(choice), false);
    SaveStandardLists(state_);
    WriteInstallRoot(state_, settings_);
    SettingsSaved = true;
}

} // namespace korvane
