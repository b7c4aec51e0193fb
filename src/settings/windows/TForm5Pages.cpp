// The wizard's pages on screen: what each shows; the page order, the checks and the save are the flow's.
#include "settings/windows/TForm5.h"

#include "archive/ZipEngine.h"
#include "platform/GamePath.h"
#include "platform/UserError.h"
#include "settings/EditionDetection.h"
#include "settings/InstallFolder.h"
#include "settings/StandardListBuilder.h"
#include "settings/TextLines.h"
#include "ui/StandardListing.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGroupBox>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>

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

WizardChoice TForm5::choice() const {
    return {InstallPathField->text().toStdString(), versionIndex(), CustomGroList->toPlainText().toStdString()};
}

// A check that fails keeps the page as it is, without running its on-show again.
void TForm5::goTo(const WizardStep& step) {
    if (step.message != nullptr) {
        context_.dialogs.showMessage(step.message);
        return;
    }
    showOnlyPage(step.page);
}

void TForm5::Button1Click() {
    goTo(Flow.next(1, choice()));
}

bool TForm5::pathFieldValid() const {
    return isValidInstallation(InstallPathField->text().toStdString());
}

void TForm5::TabSheet2Show() {
    InstallPathField->setText(QString::fromStdString(Flow.rootToShow()));
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

// A folder typed or pasted is told apart as one picked with "Выбрать" is.
void TForm5::InstallPathFieldChange() {
    EditionLabel->clear();
    const bool valid = pathFieldValid();
    VersionChoice->setVisible(valid);
    if (valid) {
        preselectVersion();
    }
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
    goTo(Flow.next(2, choice()));
}

void TForm5::TabSheet3Show() {
    if (Flow.rebuildsPageThree()) {
        buildStandardListIn(*this, context_, *Archiver, context_.state.InstallRoot,
                            SetupWizardFlow::archiveNames(choice()), WizardItems, BuildVariant::Wizard);
    }
}

void TForm5::Button4Click() {
    addStandardFileIn(*this, context_, *Archiver, context_.state.InstallRoot, WizardItems, AddVariant::Wizard);
}

void TForm5::Button5Click() {
    showOnlyPage(Flow.back(3));
}

void TForm5::Button6Click() {
    goTo(Flow.next(3, choice()));
}

void TForm5::TabSheet4Show() {
    try {
        Flow.save(choice(), WizardItems);
    } catch (...) {
        context_.dialogs.showMessage(userMessageOf(std::current_exception()));
    }
}

void TForm5::Button7Click() {
    showOnlyPage(Flow.back(4));
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
    if (Flow.closingShowsMainWindow()) {
        context_.mainWindow->show();
    } else {
        context_.mainWindow->close();
    }
}

} // namespace korvane
