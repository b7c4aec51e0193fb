// The caption the main window, the setup wizard and the missing-files dialog share.
#pragma once

#include "platform/Version.h"

#include <QString>

namespace korvane {

// The program's title with the mark of the Russian edition.
inline QString editionTitle() {
    return QString(kProgramTitle) + " =РУССКАЯ ВЕРСИЯ=";
}

} // namespace korvane
