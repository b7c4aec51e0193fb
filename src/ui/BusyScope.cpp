#include "ui/BusyScope.h"

#include "platform/qt/Centring.h"
#include "platform/qt/LoadingWindowControl.h"

#include <QWidget>

namespace korvane {

BusyScope::BusyScope(QWidget& window, LoadingWindowControl& loading, Placement placement)
    : window_(window), loading_(loading) {
    window_.setEnabled(false);
    if (placement == Placement::CentreOverWindow) {
        centreOver(loading_.widget(), &window_);
    }
    loading_.widget()->show();
}

BusyScope::~BusyScope() {
    loading_.widget()->hide();
    window_.setEnabled(true);
}

BriefCopyScope::BriefCopyScope(QWidget& window, LoadingWindowControl& loading)
    : BusyScope(window, loading, Placement::CentreOverWindow) {
    loading.setOverallMax(1);
    loading.setOverallPosition(1);
    loading.setCurrentMax(1);
    loading.setCurrentPosition(1);
    loading.setOverallText("");
    loading.setCurrentText("");
    loading.processEvents();
}

} // namespace korvane
