// The wizard's pages: what each shows, checks and builds, and what closing the wizard does.
#include "settings/windows/TForm5.h"

#include "archive/ZipEngine.h"
#include "platform/GamePath.h"
#include "platform/UserError.h"
#include "settings/EditionDetection.h"
#include "settings/InstallDetection.h"
#include "settings/InstallFolder.h"
#include "settings/SettingsFiles.h"
#include "settings/StandardListBuilder.h"
#include "settings/StandardPresets.h"
#include "settings/TextLines.h"
#include "ui/WindowRun.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGroupBox>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>

#include <algorithm>

namespace korvane {

void TForm5::showOnlyPage(int page) {
    const int index = page - 1;
    PageControl1->setTabVisible(index, true);
    PageControl1->setCurrentIndex(index);
    for (int other = 0; other < PageControl1->count(); ++other) {
        if (other != index) {
            PageControl1->setTabVisible(other, false);
        }
    }
    switch (page) {
    case 2:
        TabSheet2Show();
        break;
    case 3:
        TabSheet3Show();
        break;
    case 4:
        TabSheet4Show();
        break;
    default:
        break;
    }
}

int TForm5::currentPage() const {
    return PageControl1->currentIndex() + 1;
}

int TForm5::versionIndex() const {
    return VersionItems->checkedId();
}

void TForm5::Button1Click() {
    showOnlyPage(2);
}

bool TForm5::pathFieldValid() const {
    return isValidInstallation(InstallPathField->text().toStdString());
}

void TForm5::TabSheet2Show() {
    std::string& root = context_.state.InstallRoot;
    if (root.empty()) {
        root = detectInstallation(context_.settings, DetectionPlaces::fromEnvironment());
    }
    InstallPathField->setText(QString::fromStdString(root));
    if (pathFieldValid()) {
        VersionChoice->show();
        // Coming back to the page keeps what the user chose.
        if (versionIndex() < 0) {
            preselectVersion();
        }
    } else {
        VersionChoice->hide();
        GroupBox1->hide();
    }
}

void TForm5::InstallPathFieldChange() {
    EditionLabel->clear();
    VersionChoice->setVisible(pathFieldValid());
}

void TForm5::Button2Click() {
    const auto folder = context_.dialogs.pickFolder(
        {"Выбор папки", "Пожалуйста, выберите папку...", InstallPathField->text().toStdString()});
    if (!folder) {
        return;
    }
    InstallPathField->setText(QString::fromStdString(*folder + kNativeSeparator));
    if (pathFieldValid()) {
        VersionChoice->show();
        preselectVersion();
    } else {
        VersionChoice->hide();
        context_.dialogs.showMessage(kNotAnInstallation);
    }
}

// A folder found or picked: the item its archives show, with a later edition's archives as the typed list.
void TForm5::preselectVersion() {
    const VersionGuess guess = guessWizardVersion(InstallPathField->text().toStdString());
    VersionItems->button(guess.item)->setChecked(true);
    if (!guess.archives.empty()) {
        CustomGroList->setPlainText(QString::fromStdString(joinLines(guess.archives)));
    }
    EditionLabel->setText(QString::fromStdString(guess.text));
    VersionChoiceClick();
}

void TForm5::VersionChoiceClick() {
    GroupBox1->setVisible(versionIndex() == 2);
}

void TForm5::Button3Click() {
    const std::string field = InstallPathField->text().toStdString();
    if (!pathFieldValid()) {
        context_.dialogs.showMessage("Please select a valid installation folder.");
        return;
    }
    const int version = versionIndex();
    if (version < 0) {
        context_.dialogs.showMessage("Please select the type of your Serious Sam installation.");
        return;
    }
    if (version == 2) {
        const auto names = textLines(CustomGroList->toPlainText().toStdString());
        const bool anyExists =
            std::any_of(names.begin(), names.end(), [&](const std::string& name) { return fileExists(field + name); });
        if (!anyExists) {
            context_.dialogs.showMessage(kNoValidGro);
            return;
        }
    }
    context_.state.InstallRoot = field;
    showOnlyPage(3);
}

std::vector<std::string> TForm5::chosenArchiveNames() const {
    switch (versionIndex()) {
    case 0:
        return presetArchives(GamePreset::SecondEncounter107);
    case 1:
        return presetArchives(GamePreset::FirstEncounter105);
    default:
        return textLines(CustomGroList->toPlainText().toStdString());
    }
}

void TForm5::TabSheet3Show() {
    if (KeepStandardList) {
        KeepStandardList = false;
        return;
    }
    WindowRun window(*this, *context_.loading);
    ListingRun run{*Archiver, *context_.loading, window, context_.dialogs};
    BuildStandardFiles(run, context_.state.InstallRoot, chosenArchiveNames(), WizardItems, BuildVariant::Wizard);
}

void TForm5::Button4Click() {
    WindowRun window(*this, *context_.loading);
    ListingRun run{*Archiver, *context_.loading, window, context_.dialogs};
    AddStandardFile(run, context_.state.InstallRoot, WizardItems, AddVariant::Wizard);
}

void TForm5::Button5Click() {
    showOnlyPage(2);
}

void TForm5::Button6Click() {
    showOnlyPage(4);
}

void TForm5::TabSheet4Show() {
    AppState& state = context_.state;
    state.StandardFiles.beginUpdate();
    state.StandardFiles.clear();
    for (int i = 0; i < WizardItems.size(); ++i) {
        if (WizardItems.checked(i)) {
            state.StandardFiles.append(WizardItems.name(i), true);
        }
    }
    state.StandardFiles.endUpdate();
    state.StandardGroList.assign(chosenArchiveNames(), false);
    try {
        SaveStandardLists(state);
        WriteInstallRoot(state, context_.settings);
    } catch (...) {
        context_.dialogs.showMessage(userMessageOf(std::current_exception()));
        return;
    }
    SettingsSaved = true;
}

void TForm5::Button7Click() {
    KeepStandardList = true;
    showOnlyPage(3);
}

void TForm5::Button8Click() {
    if (context_.mainWindow != nullptr) {
        context_.mainWindow->setEnabled(true);
        context_.mainWindow->show();
    }
    close();
}

void TForm5::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    if (event->spontaneous() || context_.mainWindow == nullptr) {
        return;
    }
    if (SettingsSaved) {
        context_.mainWindow->show();
    } else {
        context_.mainWindow->close();
    }
}

} // namespace korvane
