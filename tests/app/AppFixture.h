// The seven windows over a throwaway settings file, scripted dialogs and a scripted shell.
#pragma once

#include "app/Application.h"
#include "app/TForm1.h"
#include "platform/SettingsStore.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QWidget>

#include <functional>
#include <memory>
#include <string>

namespace korvane::testing {

// Scripted dialogs that also let a test look at the windows while a message is up.
class WatchedDialogs : public ScriptedDialogs {
public:
    std::function<void()> onMessage;
    void showMessage(const std::string& text) override {
        ScriptedDialogs::showMessage(text);
        if (onMessage) {
            onMessage();
        }
    }
};

class AppFixture : public ::testing::Test {
protected:
    TempDir dir;
    FileSettingsStore settings{dir.path() / "settings.reg"};
    WatchedDialogs dialogs;
    ScriptedShell shell;
    AppState state;
    WindowContext context{state, dialogs, shell, settings};
    std::unique_ptr<KorvaneWindows> windows;

    // The installation lives in its own folder beside the settings file.
    std::string root() const { return dir.root() + "game/"; }
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
};

// Where a window would stand if centred over its owner by outer sizes.
inline QPoint centredPosition(const QWidget& window, const QWidget& owner) {
    const QRect outer = owner.frameGeometry();
    const QRect own = window.frameGeometry();
    return {outer.left() + outer.width() / 2 - own.width() / 2, outer.top() + outer.height() / 2 - own.height() / 2};
}

} // namespace korvane::testing
