#include "ui/WindowRun.h"

#include "platform/qt/LoadingWindowControl.h"
#include "ui/Centring.h"

#include <QWidget>

namespace korvane {

void WindowRun::showLoading() {
    centreOver(loading_.widget(), &caller_);
    loading_.widget()->show();
}

void WindowRun::hideLoading() {
    loading_.widget()->hide();
}

void WindowRun::setCallerEnabled(bool enabled) {
    caller_.setEnabled(enabled);
}

void showBriefCopy(LoadingWindowControl& loading) {
    loading.setOverallMax(1);
    loading.setOverallPosition(1);
    loading.setCurrentMax(1);
    loading.setCurrentPosition(1);
    loading.setOverallText("");
    loading.setCurrentText("");
    loading.processEvents();
}

} // namespace korvane
