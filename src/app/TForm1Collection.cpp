// Step 1 of the main window: the map list and the collection run that fills step 2's file list.
#include "app/TForm1.h"

#include "platform/FileError.h"
#include "platform/UserError.h"
#include "platform/qt/Centring.h"
#include "platform/qt/CheckListBox.h"
#include "scan/ChosenFiles.h"
#include "scan/CollectionMessages.h"
#include "scan/CollectionRun.h"
#include "scan/DeepScanHint.h"
#include "scan/windows/TForm6.h"
#include "ui/BusyScope.h"

#include <QCheckBox>
#include <QLabel>

#include <exception>

namespace korvane {

void TForm1::Button1Click() {
    OpenFilesRequest request;
    request.filter = "Карта*.wld|*.wld";
    const GameFolders folders = gameFolders();
    request.initialFolder = folders.modFolder().empty() ? InstallRoot() : folders.modFolder();
    request.multiSelect = true;
    request.mustExist = true;
    // A mod's map is named as the game names it with the mod active.
    for (const std::string& chosen : context_.dialogs.openFiles(request)) {
        addChosenMaps({chosen}, folders.rootFor(chosen), MapItems, context_.dialogs);
    }
    // The last map listed is selected, so that its thumbnail shows.
    if (!MapItems.empty()) {
        MapList->setCurrentIndex(MapList->model()->index(MapItems.size() - 1, 0));
    }
}

void TForm1::CheckListBox1ClickCheck() {
    removeUncheckedMaps(MapItems);
}

void TForm1::Button2Click() {
    if (MapItems.empty()) {
        context_.dialogs.showMessage(kNoMapsListed);
        return;
    }
    // The mod's folder is looked up once for the whole run.
    const GameFolders folders = gameFolders();
    if (!prepareStandardFiles(folders)) {
        return;
    }
    TForm6* missingDialog = forms_.Form6;
    MissingList missing;
    if (missingDialog != nullptr) {
        missingDialog->setMissingFiles({});
    }
    CollectionOutcome outcome;
    const std::exception_ptr failure = collectFiles(folders, missing, outcome);
    if (failure) {
        // The run ended early; the windows are usable again before the message says why.
        if (missingDialog != nullptr) {
            missingDialog->setMissingFiles(missing.lines(&Reasons));
        }
        context_.dialogs.showMessage(userMessageOf(failure));
        return;
    }
    showDeepScanHint(folders);
    if (outcome.filesMissing == 0 || missingDialog == nullptr) {
        showStep(1);
        return;
    }
    setEnabled(false);
    missingDialog->setMissingFiles(missing.lines(&Reasons));
    disconnect(missingDialog, &TForm6::ignored, this, nullptr);
    connect(missingDialog, &TForm6::ignored, this, [this] { showStep(1); });
    centreOver(missingDialog, this);
    missingDialog->show();
}

std::exception_ptr TForm1::collectFiles(const GameFolders& folders, MissingList& missing, CollectionOutcome& outcome) {
    BusyScope busy(*this, *context_.loading, BusyScope::Placement::CentreOverWindow);
    FileItems.clear();
    Reasons = FileReasons();
    FileItems.beginUpdate();
    const CollectionLists lists{
        context_.state.InstallRoot, FileItems, runStandardFiles(folders), missing, DeepScan->isChecked(),
        folders.modFolder(),        &Reasons};
    std::exception_ptr failure;
    try {
        outcome = collectDependencies(lists, MapItems.names(), *context_.loading, context_.dialogs);
    } catch (...) {
        failure = std::current_exception();
    }
    FileItems.endUpdate();
    // The first file is selected, so that the line beside the list says why it is there.
    if (!FileItems.empty()) {
        FileList->setCurrentIndex(FileList->model()->index(0, 0));
    }
    return failure;
}

void TForm1::showDeepScanHint(const GameFolders& folders) {
    const int more = DeepScan->isChecked() ? 0 : filesDeepScanWouldAdd(folders, FileItems, runStandardFiles(folders));
    DeepScanHint->setText(QString("Найденным файлам нужны ещё %1 файл(ов): отметьте «Глубокий поиск "
                                  "зависимостей» на шаге 1.")
                              .arg(more));
    DeepScanHint->adjustSize();
    DeepScanHint->setVisible(more > 0);
}

} // namespace korvane
