// Shared set-up of the settings window tests: an installation with two standard archives, the shared state,
// scripted dialogs, and stand-ins for the main and the loading window.
#pragma once

#include "platform/qt/LoadingWindowControl.h"
#include "settings/ListingFixture.h"
#include "settings/MemorySettingsStore.h"
#include "support/ScriptedDialogs.h"
#include "ui/WindowContext.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include <string>

namespace korvane::testing {

// The main window as the settings windows see it: shown, hidden, enabled and closed.
class StandInMainWindow : public QWidget {
public:
    int closes = 0;

protected:
    void closeEvent(QCloseEvent* event) override {
        ++closes;
        QWidget::closeEvent(event);
    }
};

// The loading window as the settings windows see it: shown and hidden, with the counter a listing leaves.
class StandInLoading : public QWidget, public LoadingWindowControl {
public:
    std::string overallText;
    QWidget* widget() override { return this; }
    void setOverallMax(int) override {}
    void setOverallPosition(int) override {}
    void setOverallText(const std::string& text) override { overallText = text; }
    void setCurrentMax(int) override {}
    void setCurrentPosition(int) override {}
    void setCurrentText(const std::string&) override {}
    void processEvents() override {}
};

class WindowTest : public ::testing::Test {
protected:
    TempDir install;
    std::string root = install.root();
    AppState state;
    ScriptedDialogs dialogs;
    ScriptedShell shell;
    MemorySettingsStore settings;
    StandInLoading loading;
    StandInMainWindow mainWindow;
    // Detection looks only where the settings store points: no home, no Wine prefix.
    WindowContext context{state, dialogs, shell, settings, DetectionPlaces{}, &loading, &mainWindow};

    void SetUp() override {
        install.write("Bin/SeriousSam.exe", "MZ");
        makeArchives({{install.path() / "Base.gro", {"Textures/Wall.tex", "Models/Item.mdl", "Read.txt"}},
                      {install.path() / "Patch.gro", {"textures/WALL.TEX", "Sounds/Step.wav"}}});
    }

    // Near the left edge, where a radio button's indicator is.
    static void click(QAbstractButton* button) {
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    }
};

} // namespace korvane::testing
