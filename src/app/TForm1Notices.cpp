// Status-bar notices, the about box and the bug-report mail link.
#include "app/Notices.h"
#include "app/TForm1.h"
#include "app/TForm7.h"
#include "platform/Version.h"
#include "platform/qt/Centring.h"

#include <QEvent>
#include <QStatusBar>

namespace korvane {

std::string noticeForTick(int tick) {
    switch (tick) {
    case 1:
    case 2:
        return std::string(kProgramTitle) + ": news and updates at http://korvane.example.org/";
    case 4:
    case 5:
        return std::string("Found a bug? Please write to ") + kBugReportAddress;
    case 7:
    case 8:
        return "Archives are compressed with zlib, the free compression library: https://zlib.net/";
    case 10:
    case 11:
        return "Serious Sam is a trademark of Croteam. Korvane is not made or endorsed by Croteam.";
    case 13:
    case 14:
        return "The latest Serious Sam news: https://www.seriouszone.com/";
    default:
        return {};
    }
}

void TForm1::Timer2Timer() {
    ++NoticeIndex;
    const std::string text = noticeForTick(NoticeIndex);
    if (NoticeIndex == kNoticeCycleTicks) {
        NoticeIndex = 0;
    }
    StatusBar1->showMessage(QString::fromStdString(text));
}

// The status bar belongs to the notice cycle: menu hover must not wipe a notice before its ten seconds.
bool TForm1::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        return true;
    }
    return QMainWindow::event(event);
}

void TForm1::About1Click() {
    // The about box's hide event gives the main window its input back.
    setEnabled(false);
    showCentredOver(*forms_.Form7, *this);
}

void TForm1::Bugreports1Click() {
    context_.shell.openUrl(std::string("mailto:") + kBugReportAddress + "?subject=Bug in " + kProgramTitle);
}

} // namespace korvane
