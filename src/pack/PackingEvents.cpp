#include "pack/PackingEvents.h"

#include "pack/PackingReport.h"
#include "pack/PackingScreen.h"
#include "platform/ProgressSink.h"

#include <cmath>

namespace korvane {

PackingEvents::PackingEvents(ProgressSink& progress, PackingScreen& screen, PackingReport& report)
    : progress_(progress), screen_(screen), report_(report) {}

void PackingEvents::FileProgress(double Progress, TZEProgressPhase ProgressPhase) {
    const int percent = static_cast<int>(std::trunc(Progress));
    progress_.setCurrentMax(100);
    progress_.setCurrentPosition(percent);
    progress_.setCurrentText(std::to_string(percent) + "%");
    // The end phase comes only after the entry's data and header are written.
    written_ = written_ || ProgressPhase == ppEnd;
    progress_.processEvents();
}

TZEAction PackingEvents::ProcessFileFailure(const std::string& ErrorMessage) {
    reportError("Error:" + ErrorMessage);
    return fxaAbort;
}

bool PackingEvents::DiskFull() {
    reportError("Error: Disk full");
    return true;
}

void PackingEvents::startFile() {
    failed_ = false;
    written_ = false;
}

void PackingEvents::reportError(const std::string& text) {
    failed_ = true;
    screen_.appendLine(text);
    report_.fileFailed(text);
}

} // namespace korvane
