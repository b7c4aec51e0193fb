// What every window is given at creation: the shared state and the seams to the desktop.
#pragma once

#include "platform/AppState.h"
#include "platform/SettingsStore.h"
#include "platform/UserDialogs.h"
#include "platform/qt/LoadingWindowControl.h"
#include "settings/InstallDetection.h"

class QWidget;

namespace korvane {

struct WindowContext {
    AppState& state;
    UserDialogs& dialogs;
    Shell& shell;
    SettingsStore& settings;
    // Where the setup wizard looks for the game; none unless start-up fills them in from the environment.
    DetectionPlaces places = {};
    // Filled in as the windows are created (the loading window comes third, after the main window).
    LoadingWindowControl* loading = nullptr;
    QWidget* mainWindow = nullptr;
};

} // namespace korvane
