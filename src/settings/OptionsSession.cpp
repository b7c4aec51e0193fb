#include "settings/OptionsSession.h"

#include "settings/SettingsFiles.h"

namespace korvane {

void OptionsSession::restore() {
    state_.StandardGroList.assign(StandardGroBackup.names(), false);
    state_.StandardFiles.assign(StandardFilesBackup.names(), true);
}

void OptionsSession::takeSnapshots() {
    StandardGroBackup.assign(state_.StandardGroList.names(), false);
    StandardFilesBackup.assign(state_.StandardFiles.names(), false);
}

void OptionsSession::commit(const std::string& installRoot) {
    state_.StandardFiles.assign(state_.StandardFiles.checkedNames(), true);
    const std::string previousRoot = state_.InstallRoot;
    const auto previousGros = StandardGroBackup.names();
    const auto previousFiles = StandardFilesBackup.names();
    takeSnapshots();
    state_.InstallRoot = installRoot;
    bool rootWritten = false;
    try {
        WriteInstallRoot(state_, settings_);
        rootWritten = true;
        SaveStandardLists(state_);
    } catch (...) {
        if (!rootWritten) {
            state_.InstallRoot = previousRoot;
        }
        StandardGroBackup.assign(previousGros, false);
        StandardFilesBackup.assign(previousFiles, false);
        throw;
    }
}

} // namespace korvane
