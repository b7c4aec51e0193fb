#include "settings/OptionsSession.h"

#include "settings/SettingsFiles.h"

#include <vector>

namespace korvane {

void OptionsSession::restore() {
    state_.StandardGroList.assign(StandardGroBackup.names(), false);
    state_.StandardFiles.assign(StandardFilesBackup.names(), true);
}

void OptionsSession::takeSnapshots() {
    StandardGroBackup.assign(state_.StandardGroList.names(), false);
    StandardFilesBackup.assign(state_.StandardFiles.names(), false);
}

void OptionsSession::dropUncheckedFiles() {
    std::vector<std::string> kept;
    for (int i = 0; i < state_.StandardFiles.size(); ++i) {
        if (state_.StandardFiles.checked(i)) {
            kept.push_back(state_.StandardFiles.name(i));
        }
    }
    state_.StandardFiles.assign(kept, true);
}

void OptionsSession::commit(const std::string& installRoot) {
    dropUncheckedFiles();
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
