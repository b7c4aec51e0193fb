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
    // The Windows packages ship Qt's texts in translations/ beside the program; elsewhere they are Qt's own.
    const QString beside = QCoreApplication::applicationDirPath() + "/translations";
    const bool loaded = translator.load(russian, "qtbase", "_", beside) ||
                        translator.load(russian, "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return loaded && QCoreApplication::installTranslator(&translator);
}

} // namespace korvane
