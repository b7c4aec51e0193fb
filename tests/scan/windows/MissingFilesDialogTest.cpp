// The missing-files dialog's wiring: only "Игнорировать!" goes on, and every way of closing it gives the main
// window back.
#include "scan/windows/TForm6.h"

#include "settings/MemorySettingsStore.h"
#include "support/ScriptedDialogs.h"

#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace korvane {
namespace {

TEST(MissingFilesDialogTest, OnlyIgnoreGoesOnAndEveryWayOutEnablesTheMainWindow) {
    AppState state;
    testing::ScriptedDialogs dialogs;
    testing::ScriptedShell shell;
    testing::MemorySettingsStore settings;
    QWidget mainWindow;
    WindowContext context{state, dialogs, shell, settings, {}, nullptr, &mainWindow};
    TForm6 form(context);
    int ignored = 0;
    QObject::connect(&form, &TForm6::ignored, [&] { ++ignored; });
    mainWindow.show();
    for (int way = 0; way < 4; ++way) {
        mainWindow.setEnabled(false);
        form.show();
        if (way == 0) {
            form.close();
        } else if (way == 1) {
            QTest::keyClick(&form, Qt::Key_Escape);
        } else {
            QTest::mouseClick(way == 2 ? form.Button1 : form.Button2, Qt::LeftButton);
        }
        EXPECT_FALSE(form.isVisible());
        EXPECT_TRUE(mainWindow.isEnabled());
        EXPECT_EQ(ignored, way == 3 ? 1 : 0);
    }
}

} // namespace
} // namespace korvane
