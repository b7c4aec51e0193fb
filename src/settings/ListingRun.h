// What a listing of standard archives needs from the window that runs it.
#pragma once

#include "platform/ProgressSink.h"
#include "platform/UserDialogs.h"

namespace korvane {

class TZipEngine;

// The calling window and the loading window, seen from the listing.
class RunWindow {
public:
    virtual ~RunWindow() = default;
    // Centres the loading window over the calling window and shows it.
    virtual void showLoading() = 0;
    virtual void hideLoading() = 0;
    virtual void setCallerEnabled(bool enabled) = 0;
};

struct ListingRun {
    TZipEngine& archiver; // the calling window's own instance
    ProgressSink& progress;
    RunWindow& window;
    UserDialogs& dialogs;
};

} // namespace korvane
