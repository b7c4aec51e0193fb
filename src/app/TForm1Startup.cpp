// The start-up check: is the installation configured, and is its catalogue of standard files present?
#include "app/TForm1.h"

#include "platform/FileError.h"
#include "platform/UserError.h"
#include "platform/qt/Centring.h"
#include "settings/InstallFolder.h"
#include "settings/MapInstallation.h"
#include "settings/SettingsFiles.h"
#include "settings/SettingsMessages.h"
#include "settings/windows/TForm5.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QTimer>

#include <utility>

namespace korvane {

void TForm1::Timer1Timer() {
    Timer1->stop();
    try {
        checkInstallation();
    } catch (...) {
        // A stored root that is not a string, or a cache file that exists but cannot be read: reported, and
        // start-up goes no further.
        context_.dialogs.showMessage(userMessageOf(std::current_exception()));
    }
    // Only once the window is there to use: the setup wizard comes first on a first run.
    if (!startupMap_.empty() && isVisible()) {
        openMaps({std::exchange(startupMap_, {})});
    }
}

void TForm1::checkInstallation() {
    AppState& state = context_.state;
    ReadInstallRoot(state, context_.settings);
    // Before any setup, a map given at start serves from its own installation when that one is set up.
    const auto mapsInstallation = startupMap_.empty() ? std::nullopt : installationOfMap(startupMap_);
    if (state.InstallRoot.empty() && mapsInstallation) {
        AppState found{mapsInstallation->installRoot, {}, {}};
        state.InstallRoot = LoadStandardLists(found) ? found.InstallRoot : std::string();
    }
    TForm5& wizard = *forms_.Form5;
    if (state.InstallRoot.empty()) {
        // First run: the wizard takes the main window's place and decides its own first page.
        hide();
        showCentredOver(wizard, *this);
        return;
    }
    if (LoadStandardLists(state)) {
        return;
    }
    context_.dialogs.showMessage(kStandardInfoNotFound);
    hide();
    wizard.showOnlyPage(2);
    wizard.VersionChoice->setVisible(isValidInstallation(state.InstallRoot));
    showCentredOver(wizard, *this);
    wizard.InstallPathField->setText(QString::fromStdString(state.InstallRoot));
}

} // namespace korvane
