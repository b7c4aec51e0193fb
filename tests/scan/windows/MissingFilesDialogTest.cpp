#include "scan/windows/TForm6.h"

#include "platform/SettingsStore.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace korvane {
namespace {

class MissingFilesDialogTest : public ::testing::Test {
protected:
    testing::TempDir folder;
    AppState state;
    testing::ScriptedDialogs dialogs;
    testing::ScriptedShell shell;
    FileSettingsStore settings{folder.path() / "settings.reg"};
    WindowContext context{state, dialogs, shell, settings};
    QWidget mainWindow;
    std::unique_ptr<TForm6> form;

    void SetUp() override {
        context.mainWindow = &mainWindow;
        form = std::make_unique<TForm6>(context);
        mainWindow.show();
    }
    void showOverDisabledMain() {
        mainWindow.setEnabled(false);
        form->show();
    }
};

TEST_F(MissingFilesDialogTest, CloseBoxAndEscapeEnableTheMainWindow) {
    showOverDisabledMain();
    form->close();
    EXPECT_TRUE(mainWindow.isEnabled());
    showOverDisabledMain();
    QTest::keyClick(form.get(), Qt::Key_Escape);
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(mainWindow.isEnabled());
}

} // namespace
} // namespace korvane
