#include "app/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace korvane {

bool installToolkitTranslation(QTranslator& translator) {
    const QLocale russian(QLocale::Russian, QLocale::Russia);
    // Dates and sizes in the file dialogs follow the same language as their buttons.
    QLocale::setDefault(russian);
    if (!translator.load(russian, "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        return false;
    }
    return QCoreApplication::installTranslator(&translator);
}

} // namespace korvane
