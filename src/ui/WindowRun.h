// A listing run started from a window: the window is disabled and the loading window centred over it.
#pragma once

#include "settings/ListingRun.h"

class QWidget;

namespace korvane {

class LoadingWindowControl;

class WindowRun : public RunWindow {
public:
    WindowRun(QWidget& caller, LoadingWindowControl& loading) : caller_(caller), loading_(loading) {}

    void showLoading() override;
    void hideLoading() override;
    void setCallerEnabled(bool enabled) override;

private:
    QWidget& caller_;
    LoadingWindowControl& loading_;
};

// Centres the loading window over the caller, shows both bars full with empty counters, shows it and lets
// it paint: the look of the short list copies of the Options dialog.
void showBriefLoading(QWidget& caller, LoadingWindowControl& loading);

} // namespace korvane
