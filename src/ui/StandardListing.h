// The standard list build and "Добавить файл" as the settings windows run them: the window busy under the
// loading window while archives are listed, then the messages.
#pragma once

#include "settings/StandardListBuilder.h"
#include "ui/WindowContext.h"

#include <string>
#include <vector>

class QWidget;

namespace korvane {

class TZipEngine;

// The editor variant reports each missing archive as the build reaches it; the wizard's reports them once
// after it. An unreadable archive's message follows the build, with the window usable again.
StandardListOutcome buildStandardListIn(QWidget& caller, WindowContext& context, TZipEngine& archiver,
                                        const std::string& root, const std::vector<std::string>& archiveNames,
                                        NameList& target, BuildVariant variant, NameList* archiveList = nullptr);

// Asks for one file in the installation and adds its name, or every member of a chosen ".gro".
void addStandardFileIn(QWidget& caller, WindowContext& context, TZipEngine& archiver, const std::string& root,
                       NameList& target, AddVariant variant);

} // namespace korvane
