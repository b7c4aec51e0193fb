// Step 1 of the main window: the map list and the collection run that fills step 2's file list.
#include "app/TForm1.h"

#include "jobs/CollectJob.h"
#include "platform/qt/Centring.h"
#include "platform/qt/CheckListBox.h"
#include "scan/ChosenFiles.h"
#include "scan/CollectionMessages.h"
#include "scan/windows/TForm6.h"
#include "ui/BusyScope.h"

#include <QCheckBox>
#include <QLabel>

namespace korvane {

void TForm1::Button1Click() {
    OpenFilesRequest request;
    request.filter = "Карта*.wld|*.wld";
    const GameFolders folders = gameFolders();
    request.initialFolder = folders.startFolder();
    request.multiSelect = true;
    request.mustExist = true;
    // A mod's map is named as the game names it with the mod active.
    for (const std::string& chosen : context_.dialogs.openFiles(request)) {
        showRefusals(addChosenMaps({chosen}, folders.rootFor(chosen), MapItems));
    }
}

void TForm1::showRefusals(const std::vector<ChoiceRefused>& refused) {
    for (const ChoiceRefused& refusal : refused) {
        context_.dialogs.showMessage(refusalMessage(refusal));
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
    TForm6* missingDialog = forms_.Form6;
    MissingList missing;
    if (missingDialog != nullptr) {
        missingDialog->setMissingFiles({});
    }
    const CollectResult result = collectFiles(missing);
    // The windows are usable again before the message says what ended the run.
    if (!result.finished()) {
        if (missingDialog != nullptr) {
            missingDialog->setMissingFiles(missing.lines(&Reasons));
        }
        context_.dialogs.showMessage(result.failure);
        return;
    }
    showDeepScanHint(result.deepScanWouldAdd);
    if (result.outcome.filesMissing == 0 || missingDialog == nullptr) {
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

CollectResult TForm1::collectFiles(MissingList& missing) {
    BusyScope busy(*this, *context_.loading, BusyScope::Placement::CentreOverWindow);
    Reasons = FileReasons();
    FileItems.beginUpdate();
    const auto mapNotFound = [this](const std::string& map) { context_.dialogs.showMessage(mapNotFoundMessage(map)); };
    const CollectResult result =
        collectMaps({context_.state, gameFolders(), MapItems.names(), DeepScan->isChecked(), {}, mapNotFound, &Reasons},
                    FileItems, missing, *context_.loading);
    FileItems.endUpdate();
    // The first file is selected, so that the line beside the list says why it is there.
    if (!FileItems.empty()) {
        FileList->setCurrentIndex(FileList->model()->index(0, 0));
    }
    return result;
}

void TForm1::showDeepScanHint(int more) {
    DeepScanHint->setText(QString("Найденным файлам нужны ещё %1 файл(ов): отметьте «Глубокий поиск "
                                  "зависимостей» на шаге 1.")
                              .arg(more));
    DeepScanHint->adjustSize();
    DeepScanHint->setVisible(more > 0);
}

} // namespace korvane
