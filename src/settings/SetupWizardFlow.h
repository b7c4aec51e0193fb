// The setup wizard's pages apart from their controls: which page follows which, the checks before the
// standard list is built, the archives the chosen version stands for, the save, and what closing leads to.
#pragma once

#include "platform/AppState.h"
#include "platform/NameList.h"
#include "platform/SettingsStore.h"
#include "settings/InstallDetection.h"

#include <string>
#include <utility>
#include <vector>

namespace korvane {

// What page 2 holds.
struct WizardChoice {
    std::string folder;         // the path field
    int version = -1;           // the selected version item: 0, 1, 2 ("Другой"), or -1 when none is
    std::string customArchives; // the typed archive list, a name a line
};

// Where a button leads: the page to show, or, with a message, the page the wizard stays on.
struct WizardStep {
    int page = 1;
    const char* message = nullptr;
};

class SetupWizardFlow {
public:
    SetupWizardFlow(AppState& state, SettingsStore& settings, DetectionPlaces places)
        : state_(state), settings_(settings), places_(std::move(places)) {}

    // "Далее >>" on pages 1 to 3. Page 2 goes on only when the choice passes its checks, setting InstallRoot.
    WizardStep next(int page, const WizardChoice& choice);
    // "<< Назад" on page 3 or 4; going back from page 4 keeps page 3's list.
    int back(int page);

    // Page 2's on-show: InstallRoot, looked for first when none is set yet.
    const std::string& rootToShow();
    // Page 3's on-show: true when the items are to be built from the chosen archives, false when coming back
    // from page 4 keeps them.
    bool rebuildsPageThree();
    // Page 4's on-show: the checked items become StandardFiles and the chosen archives StandardGroList; the
    // lists and then InstallRoot are stored. A failed write passes on and leaves the settings unsaved.
    void save(const WizardChoice& choice, const NameList& items);
    // Once the settings are saved, closing the wizard shows the main window; before, it ends the program.
    bool closingShowsMainWindow() const { return SettingsSaved; }

    // The presets of items 0 and 1; for item 2 every typed line, empty ones included.
    static std::vector<std::string> archiveNames(const WizardChoice& choice);

    bool SettingsSaved = false;
    bool KeepStandardList = false;

private:
    const char* pageTwoProblem(const WizardChoice& choice) const;

    AppState& state_;
    SettingsStore& settings_;
    DetectionPlaces places_;
};

} // namespace korvane
