// Step 2 of the main window: reviewing the file list, and the ways between the steps around it.
#include "app/TForm1.h"

#include "scan/ChosenFiles.h"
#include "scan/FolderSort.h"

#include <QLineEdit>
#include <QPlainTextEdit>

namespace korvane {

void TForm1::Button3Click() {
    OpenFilesRequest request;
    request.filter = "*.*|*.*";
    const GameFolders folders = gameFolders();
    request.initialFolder = InstallRoot();
    request.multiSelect = true;
    request.mustExist = false;
    for (const std::string& chosen : context_.dialogs.openFiles(request)) {
        showRefusals(addChosenFiles({chosen}, folders.rootFor(chosen), FileItems));
    }
}

void TForm1::Button6Click() {
    sortByFolder(FileItems);
}

void TForm1::Button5Click() {
    showStep(0);
}

void TForm1::Button4Click() {
    if (FileItems.checkedCount() == 0) {
        context_.dialogs.showMessage("Please select at least one file.");
        return;
    }
    showStep(2);
    DestinationPath->clear();
    PackingLog->clear();
}

void TForm1::Button8Click() {
    showStep(1);
}

} // namespace korvane
