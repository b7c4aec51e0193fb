// The main window and the missing-files dialog over a temporary installation, with scripted dialogs.
#pragma once

#include "app/TForm1.h"
#include "platform/SettingsStore.h"
#include "platform/qt/CheckListBox.h"
#include "scan/windows/TForm6.h"
#include "settings/AppState.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"
#include "support/qt/FakeLoadingWindow.h"

#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace korvane::testing {

// Notes, for every message, what the windows looked like when it showed.
class WatchingDialogs : public ScriptedDialogs {
public:
    std::function<std::string()> describe;
    std::vector<std::string> states;
    void showMessage(const std::string& text) override {
        states.push_back(describe ? describe() : std::string());
        ScriptedDialogs::showMessage(text);
    }
};

class MainWindowFixture : public ::testing::Test {
protected:
    TempDir install;
    TempDir settingsFolder;
    AppState state;
    WatchingDialogs dialogs;
    ScriptedShell shell;
    FileSettingsStore settings{settingsFolder.path() / "settings.reg"};
    FakeLoadingWindow loading;
    WindowContext context{state, dialogs, shell, settings};
    std::unique_ptr<TForm1> form;
    std::unique_ptr<TForm6> form6;

    void SetUp() override {
        state.InstallRoot = install.root();
        context.loading = &loading;
        form = std::make_unique<TForm1>(context);
        // No start-up check: these tests begin with a configured installation.
        form->Timer1->stop();
        context.mainWindow = form.get();
        form6 = std::make_unique<TForm6>(context);
        form->attachForms({nullptr, nullptr, form6.get(), nullptr});
        form->show();
        form->New1Click();
        dialogs.describe = [this] {
            return std::string(form->isEnabled() ? "enabled" : "disabled") +
                   (loading.window.isVisible() ? " loading" : "") + (form->FileItems.updating() ? " suspended" : "");
        };
    }

    void click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    std::string path(const std::string& relative) const { return install.root() + relative; }

    int visibleStep() const {
        int shown = -1;
        for (int index = 0; index < form->PageControl1->count(); ++index) {
            if (form->PageControl1->isTabVisible(index)) {
                EXPECT_EQ(shown, -1) << "more than one step tab visible";
                shown = index;
            }
        }
        EXPECT_EQ(form->PageControl1->currentIndex(), shown);
        return shown;
    }
};

} // namespace korvane::testing
