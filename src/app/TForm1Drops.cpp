// Maps and archives handed to the main window: dropped on it, or given as the program's argument.
#include "app/ArchiveViewer.h"
#include "app/TForm1.h"

#include "platform/UserError.h"
#include "platform/qt/CheckListBox.h"
#include "scan/ChosenFiles.h"
#include "settings/MapInstallation.h"
#include "settings/SettingsFiles.h"

#include <QComboBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include <algorithm>

namespace korvane {

namespace {

// The dropped files when all are local; none when anything else is dropped.
std::vector<std::string> localFiles(const QMimeData* data) {
    std::vector<std::string> files;
    if (data == nullptr || !data->hasUrls()) {
        return files;
    }
    for (const QUrl& url : data->urls()) {
        if (!url.isLocalFile()) {
            return {};
        }
        files.push_back(QDir::toNativeSeparators(url.toLocalFile()).toStdString());
    }
    return files;
}

bool allMaps(const std::vector<std::string>& files) {
    return !files.empty() && std::all_of(files.begin(), files.end(), isMapFile);
}

bool allArchives(const std::vector<std::string>& files) {
    return !files.empty() && std::all_of(files.begin(), files.end(), [](const std::string& file) {
        return equalsAsciiNoCase(extensionOf(file), ".gro") && fileExists(file);
    });
}

} // namespace

void TForm1::dragEnterEvent(QDragEnterEvent* event) {
    const std::vector<std::string> files = localFiles(event->mimeData());
    if (allMaps(files) || allArchives(files)) {
        event->acceptProposedAction();
    }
}

void TForm1::dropEvent(QDropEvent* event) {
    const std::vector<std::string> files = localFiles(event->mimeData());
    if (allMaps(files)) {
        event->acceptProposedAction();
        openMaps(files);
    } else if (allArchives(files)) {
        event->acceptProposedAction();
        openArchives(files);
    }
}

void TForm1::openArchives(const std::vector<std::string>& paths) {
    // The check knows the standard files only once they are loaded.
    const AppState* installation = context_.state.StandardFiles.empty() ? nullptr : &context_.state;
    for (const std::string& path : paths) {
        auto* viewer = new ArchiveViewer(path, installation, this);
        viewer->setAttribute(Qt::WA_DeleteOnClose);
        viewer->show();
    }
}

bool TForm1::switchInstallation(const std::string& installRoot) {
    AppState found;
    found.InstallRoot = installRoot;
    try {
        if (!LoadStandardLists(found)) {
            context_.dialogs.showMessage("The map lies in the installation " + installRoot +
                                         ",\nwhose list of standard files has not been built yet. Choose that "
                                         "folder in the Options\nmenu to build it, then add the map again.");
            return false;
        }
    } catch (const UserError& error) {
        context_.dialogs.showMessage(error.what());
        return false;
    }
    // For this session only: the configured installation stays stored for the next start.
    AppState& state = context_.state;
    const std::string configured = state.InstallRoot;
    state.InstallRoot = installRoot;
    state.StandardFiles.assign(found.StandardFiles.names(), true);
    state.StandardGroList.assign(found.StandardGroList.names(), false);
    if (!configured.empty()) {
        context_.dialogs.showMessage("The map lies in another installation: " + installRoot +
                                     "\nKorvane packs for that one until it closes; the configured installation, " +
                                     configured + ", stays stored.");
    }
    return true;
}

void TForm1::openMaps(const std::vector<std::string>& paths) {
    // Outside any installation the maps meet step 1's own refusal against the session's installation.
    const auto found = installationOfMap(paths.front());
    if (found && !sameFolder(found->installRoot, InstallRoot()) && !switchInstallation(found->installRoot)) {
        return;
    }
    New1Click();
    if (found && !found->modName.empty()) {
        ComboBox1->setCurrentIndex(std::max(0, ComboBox1->findText(QString::fromStdString(found->modName))));
    }
    const GameFolders folders = gameFolders();
    for (const std::string& path : paths) {
        // Named from the session's own spelling of the root, which may reach the same folder by another path.
        const auto own = installationOfMap(path);
        const bool inside = own && sameFolder(own->installRoot, InstallRoot());
        const std::string chosen = inside ? InstallRoot() + own->mapPath.substr(own->installRoot.size()) : path;
        showRefusals(addChosenMaps({chosen}, folders.rootFor(chosen), MapItems));
    }
}

} // namespace korvane
