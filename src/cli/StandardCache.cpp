#include "cli/StandardCache.h"

#include "archive/ZipEngine.h"
#include "cli/NoWindow.h"
#include "settings/SettingsFiles.h"
#include "settings/StandardListBuilder.h"

namespace korvane::cli {

StandardCacheResult buildStandardCache(const std::string& installRoot, const std::vector<std::string>& archiveNames,
                                       ConsoleDialogs& dialogs, ProgressSink& progress) {
    StandardCacheResult result;
    TZipEngine archiver;
    NoWindow window;
    ListingRun run{archiver, progress, window, dialogs};
    NameList wizardList;
    const StandardListOutcome outcome =
        BuildStandardFiles(run, installRoot, archiveNames, wizardList, BuildVariant::Wizard);
    if (outcome == StandardListOutcome::Unreadable) {
        return result;
    }
    // The wizard's page 4: every entry the build listed (all checked), then the archive names as given.
    AppState state;
    state.InstallRoot = installRoot;
    state.StandardFiles = std::move(wizardList);
    state.StandardGroList.assign(archiveNames, false);
    SaveStandardLists(state);
    result.saved = true;
    result.complete = outcome == StandardListOutcome::Complete;
    result.files = state.StandardFiles.size();
    return result;
}

} // namespace korvane::cli
