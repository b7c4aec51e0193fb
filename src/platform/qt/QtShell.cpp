#include "platform/qt/QtShell.h"

#include <QDesktopServices>
#include <QUrl>

namespace korvane {

bool QtShell::openFolder(const std::string& folder) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(folder)));
}

void QtShell::openUrl(const std::string& url) {
    QDesktopServices::openUrl(QUrl(QString::fromStdString(url), QUrl::TolerantMode));
}

} // namespace korvane
