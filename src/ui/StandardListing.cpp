#include "ui/StandardListing.h"

#include "settings/InstallFolder.h"
#include "settings/SettingsMessages.h"
#include "ui/BusyScope.h"

#include <QWidget>

namespace korvane {

StandardListOutcome buildStandardListIn(QWidget& caller, WindowContext& context, TZipEngine& archiver,
                                        const std::string& root, const std::vector<std::string>& archiveNames,
                                        NameList& target, BuildVariant variant, NameList* archiveList) {
    const bool wizard = variant == BuildVariant::Wizard;
    const auto notFound = [&](const std::string& name) {
        if (!wizard) {
            context.dialogs.showMessage("File " + name + " was not found.");
        }
    };
    StandardListResult result;
    {
        const BusyScope busy(caller, *context.loading, BusyScope::Placement::CentreOverWindow);
        result =
            BuildStandardFiles(archiver, *context.loading, root, archiveNames, target, variant, archiveList, notFound);
    }
    if (result.outcome == StandardListOutcome::Unreadable) {
        context.dialogs.showMessage(result.failure);
    } else if (wizard && result.outcome == StandardListOutcome::ArchivesMissing) {
        context.dialogs.showMessage(kSomeGrosMissing);
    }
    return result.outcome;
}

void addStandardFileIn(QWidget& caller, WindowContext& context, TZipEngine& archiver, const std::string& root,
                       NameList& target, AddVariant variant) {
    if (variant == AddVariant::Options && !isValidInstallation(root)) {
        context.dialogs.showMessage(kChooseValidPathFirst);
        return;
    }
    const auto chosen = context.dialogs.openFiles({"*.*|*.*", root, false, false});
    if (chosen.empty()) {
        return;
    }
    const ChosenStandardFile file = classifyStandardChoice(root, chosen.front(), target);
    switch (file.choice) {
    case StandardChoice::File:
        target.append(file.name, true);
        return;
    case StandardChoice::Outside:
    case StandardChoice::AlreadyListed:
        context.dialogs.showMessage(standardChoiceMessage(file.choice, variant));
        return;
    case StandardChoice::Archive:
        break;
    }
    std::string failure;
    {
        const BusyScope busy(caller, *context.loading, BusyScope::Placement::CentreOverWindow);
        failure = ListChosenArchive(archiver, *context.loading, root, file.name, target);
    }
    if (!failure.empty()) {
        context.dialogs.showMessage(failure);
    }
}

} // namespace korvane
