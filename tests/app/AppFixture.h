// The seven windows over a throwaway settings file, scripted dialogs and a scripted shell.
#pragma once

#include "app/Application.h"
#include "app/TForm1.h"
#include "platform/SettingsStore.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"
#include "support/qt/Centred.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <memory>
#include <string>
#include <vector>

namespace korvane::testing {

using Names = std::vector<std::string>;

class AppFixture : public ::testing::Test {
protected:
    TempDir dir;
    FileSettingsStore settings{dir.path() / "settings.reg"};
    ScriptedDialogs dialogs;
    ScriptedShell shell;
    AppState state;
    WindowContext context{state, dialogs, shell, settings};
    std::unique_ptr<KorvaneWindows> windows;

    // The installation lives in its own folder beside the settings file.
    std::string root() const { return dir.root() + "game/"; }
    std::string path(const std::string& relative) const { return root() + relative; }
    void storeRoot(const std::string& installRoot) {
        settings.writeString("\\Software\\Korvane", "SSPath15", installRoot);
    }
    void writeGameFile(const std::string& relative, const std::string& bytes) { dir.write("game/" + relative, bytes); }

    // Creates the windows and shows the main one, as the program does before its message loop runs.
    TForm1& start() {
        windows = std::make_unique<KorvaneWindows>(context);
        windows->form1->show();
        return *windows->form1;
    }
    // The main window with a configured installation and the start-up check already past.
    TForm1& startConfigured() {
        state.InstallRoot = root();
        TForm1& main = start();
        main.Timer1->stop();
        return main;
    }

    static void click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    // The one visible step tab, which must be the active page; -1 for none.
    static int visibleStep(const TForm1& main) {
        int shown = -1;
        for (int index = 0; index < main.PageControl1->count(); ++index) {
            if (main.PageControl1->isTabVisible(index)) {
                EXPECT_EQ(shown, -1) << "more than one step tab visible";
                shown = index;
            }
        }
        if (shown >= 0) {
            EXPECT_EQ(main.PageControl1->currentIndex(), shown);
        }
        return shown;
    }
};

} // namespace korvane::testing
