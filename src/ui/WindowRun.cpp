#include "ui/WindowRun.h"

#include "platform/qt/Centring.h"
#include "platform/qt/LoadingWindowControl.h"

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

} // namespace korvane
