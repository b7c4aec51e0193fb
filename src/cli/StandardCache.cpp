#include "cli/StandardCache.h"

#include "archive/ZipEngine.h"
#include "settings/EditionDetection.h"
#include "settings/SettingsFiles.h"
#include "settings/SettingsMessages.h"
#include "settings/StandardListBuilder.h"

namespace korvane::cli {

StandardCacheResult buildStandardCache(const std::string& installRoot, const std::vector<std::string>& archiveNames,
                                       Console& console, TerminalProgress& progress) {
    StandardCacheResult result;
    TZipEngine archiver;
    NameList wizardList;
    const StandardListResult built =
        BuildStandardFiles(archiver, progress, installRoot, archiveNames, wizardList, BuildVariant::Wizard);
    progress.clear();
    if (built.outcome == StandardListOutcome::Unreadable) {
        console.err << built.failure << '\n';
        return result;
    }
    if (built.outcome == StandardListOutcome::ArchivesMissing) {
        console.err << kSomeGrosMissing << '\n';
    }
    // The wizard's page 4: every entry the build listed (all checked), then the archive names as given.
    AppState state;
    state.InstallRoot = installRoot;
    state.StandardFiles = std::move(wizardList);
    state.StandardGroList.assign(archiveNames, false);
    SaveStandardLists(state);
    result.saved = true;
    result.complete = built.outcome == StandardListOutcome::Complete;
    result.files = state.StandardFiles.size();
    return result;
}

bool buildDetectedStandardCache(const std::string& installRoot, Console& console, TerminalProgress& progress) {
    const Edition* edition = detectEdition(installRoot);
    if (edition == nullptr) {
        console.err << kNoEditionFound << '\n';
        return false;
    }
    console.out << editionFoundText(*edition) << '\n';
    const std::vector<std::string> names = editionArchives(*edition, installRoot);
    progress.nameItems(names, 1);
    return buildStandardCache(installRoot, names, console, progress).saved;
}

} // namespace korvane::cli
