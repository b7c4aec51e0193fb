// The Options dialog's changes are provisional: the lists as they were at opening come back on Cancel or the
// close box, and only OK keeps and stores them.
#pragma once

#include "platform/AppState.h"
#include "platform/NameList.h"
#include "platform/SettingsStore.h"

#include <string>

namespace korvane {

class OptionsSession {
public:
    OptionsSession(AppState& state, SettingsStore& settings) : state_(state), settings_(settings) {}

    // At opening: what hiding the dialog gives back.
    void open() { takeSnapshots(); }

    // At every hiding (OK, Cancel, close box): the lists as last snapshotted, every standard file checked.
    void restore();

    // OK: drops the unchecked standard files, snapshots the lists, sets InstallRoot to the folder, stores it
    // and then the lists. A failed write passes on after giving back the snapshots taken at opening, so that
    // Cancel still restores that state, and the previous InstallRoot when the root itself was not stored.
    void commit(const std::string& installRoot);

    // Snapshots taken at opening and at OK; their check marks are not used.
    NameList StandardGroBackup;
    NameList StandardFilesBackup;

private:
    void takeSnapshots();

    AppState& state_;
    SettingsStore& settings_;
};

} // namespace korvane
