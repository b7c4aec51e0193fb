// Shared set-up of the settings window tests: an installation with standard archives, the shared state,
// scripted dialogs, a stand-in main window, the loading window, and a fake home folder.
#pragma once

#include "app/TForm3.h"
#include "settings/ListingFixture.h"
#include "settings/MemorySettingsStore.h"
#include "settings/SettingsFiles.h"
#include "support/ScopedEnvironment.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"
#include "ui/WindowContext.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

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

// Archives made once for the whole test program and copied into each test's installation.
inline const std::filesystem::path& archiveStock() {
    static const TempDir stock;
    static const bool made = [] {
        const auto& folder = stock.path();
        makeArchives({
            {folder / "Base.gro", {"Textures/Wall.tex", "Models/Item.mdl", "Read.txt"}},
            {folder / "Patch.gro", {"textures/WALL.TEX", "Sounds/Step.wav"}},
            {folder / "SE1_00.gro", {"Models/Player/Sam.mdl", "Textures/Sky.tex"}},
            {folder / "SE1_00_Extra.gro", {"Levels/Extra.wld"}},
            {folder / "SE1_00_ExtraTools.gro", {"Bin/Tool.dll"}},
            {folder / "SE1_00_Music.gro", {"Music/Theme.ogg"}},
            {folder / "1_04_patch.gro", {"Models/Player/SAM.mdl", "Bin/Patch.dll"}},
            {folder / "1_07_tools.gro", {"Bin/Tools107.dll"}},
        });
        return true;
    }();
    (void)made;
    return stock.path();
}

class WindowTest : public ::testing::Test {
protected:
    TempDir install;
    TempDir home;
    ScopedEnvironment environment;
    std::string root = install.root();
    AppState state;
    ScriptedDialogs dialogs;
    ScriptedShell shell;
    MemorySettingsStore settings;
    TForm3 loading;
    StandInMainWindow mainWindow;
    WindowContext context{state, dialogs, shell, settings, &loading, &mainWindow};

    void SetUp() override {
        // Detection must see only what a test puts in the fake home.
        environment.set("HOME", home.path().c_str());
        environment.set("WINEPREFIX", nullptr);
        install.write("Bin/SeriousSam.exe", "MZ");
        for (const auto& entry : std::filesystem::directory_iterator(archiveStock())) {
            std::filesystem::copy_file(entry.path(), install.path() / entry.path().filename());
        }
    }

    // Near the left edge, where a radio button's indicator is.
    static void click(QAbstractButton* button) {
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    }

    std::vector<std::string> cacheLines(const char* name) const {
        return decodeCacheLines(readFile(install.path() / "Temp" / name));
    }
    bool cacheFolderExists() const { return std::filesystem::exists(install.path() / "Temp"); }
};

} // namespace korvane::testing
