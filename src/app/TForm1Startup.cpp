// The start-up check: is the installation configured, and is its catalogue of standard files present?
#include "app/TForm1.h"

#include "platform/qt/Centring.h"
#include "settings/InstallFolder.h"
#include "settings/SettingsFiles.h"
#include "settings/windows/TForm5.h"

#include <QGroupBox>
#include <QLineEdit>

#include <exception>

namespace korvane {

void TForm1::Timer1Timer() {
    Timer1->stop();
    AppState& state = context_.state;
    try {
        state.InstallRoot = ReadInstallRoot(context_.settings);
    } catch (const std::exception& error) {
        // A stored value of the wrong kind: reported, and start-up goes no further.
        context_.dialogs.showMessage(error.what());
        return;
    }
    TForm5& wizard = *forms_.Form5;
    if (state.InstallRoot.empty()) {
        // First run: the wizard takes the main window's place and decides its own first page.
        hide();
        centreOver(&wizard, this);
        wizard.show();
        return;
    }
    if (LoadStandardLists(state)) {
        return;
    }
    context_.dialogs.showMessage("Standard GRO info was not found. It must be configured again.");
    hide();
    centreOver(&wizard, this);
    wizard.showOnlyPage(2);
    wizard.VersionChoice->setVisible(isValidInstallation(state.InstallRoot));
    wizard.show();
    wizard.InstallPathField->setText(QString::fromStdString(state.InstallRoot));
}

} // namespace korvane
