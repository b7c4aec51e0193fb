#include "AppFixture.h"

#include "app/TForm3.h"
#include "app/TForm7.h"
#include "scan/windows/TForm6.h"
#include "settings/windows/TForm2.h"
#include "settings/windows/TForm4.h"
#include "settings/windows/TForm5.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

namespace korvane::testing {
namespace {

const std::string kNotFound = "Standard GRO info was not found. It must be configured again.";

using StartupCheck = AppFixture;

TEST_F(StartupCheck, WithoutSettingsOnlyTheWizardIsShownWhereTheMainWindowStood) {
    TForm1& main = start();
    // The one-shot timer runs the check as soon as the message loop does, and only once.
    QTest::qWait(50);
    EXPECT_FALSE(main.Timer1->isActive());
    EXPECT_FALSE(main.isVisible());
    ASSERT_TRUE(windows->form5->isVisible());
    EXPECT_EQ(windows->form5->frameGeometry().topLeft(), centredPosition(*windows->form5, main));
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(main.InstallRoot(), "");
}

TEST_F(StartupCheck, AMissingCacheFileReopensTheWizardOnItsSecondPage) {
    storeRoot(root());
    writeGameFile("Temp/KVN_files.dat", "Textures\\A.tex\r\n");
    writeGameFile("Bin/SeriousSam.exe", "");
    TForm1& main = start();
    bool wizardUpDuringMessage = true;
    dialogs.onMessage = [&](const std::string&) { wizardUpDuringMessage = windows->form5->isVisible(); };
    main.Timer1Timer();

    EXPECT_EQ(dialogs.shown, std::vector<std::string>{kNotFound});
    EXPECT_FALSE(wizardUpDuringMessage);
    EXPECT_FALSE(main.isVisible());
    TForm5& wizard = *windows->form5;
    ASSERT_TRUE(wizard.isVisible());
    EXPECT_EQ(wizard.frameGeometry().topLeft(), centredPosition(wizard, main));
    EXPECT_EQ(wizard.currentPage(), 2);
    for (const int hidden : {0, 2, 3}) {
        EXPECT_FALSE(wizard.PageControl1->isTabVisible(hidden));
    }
    EXPECT_EQ(wizard.InstallPathField->text().toStdString(), root());
    EXPECT_FALSE(wizard.VersionChoice->isHidden());
    // Nothing half-loaded: the lists stay as they were.
    EXPECT_TRUE(state.StandardFiles.empty());
}

TEST_F(StartupCheck, WithSettingsAndCatalogueTheMainWindowWaitsIdle) {
    storeRoot(root());
    writeGameFile("Temp/KVN_files.dat", "Textures\\A.tex\r\nSounds\\B.wav\r\n");
    writeGameFile("Temp/KVN_gros.dat", "SE1_00.gro\r\n");
    TForm1& main = start();
    main.Timer1Timer();

    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_TRUE(main.isVisible());
    EXPECT_FALSE(windows->form5->isVisible());
    EXPECT_EQ(main.InstallRoot(), root());
    EXPECT_EQ(state.StandardFiles.size(), 2);
    EXPECT_EQ(state.StandardGroList.size(), 1);
}

// A stored root that is not a string: the store's error reaches the user and start-up stops there.
class WrongTypeStore : public SettingsStore {
public:
    std::optional<std::string> readString(std::string_view, std::string_view value) override {
        throw SettingsError("Invalid data type for '" + std::string(value) + "'");
    }
    void writeString(std::string_view, std::string_view, std::string_view) override {}
};

TEST(StartupCheckStore, AStoredRootOfTheWrongTypeIsReportedAndNothingElseHappens) {
    WrongTypeStore store;
    ScriptedDialogs dialogs;
    ScriptedShell shell;
    AppState state;
    WindowContext context{state, dialogs, shell, store};
    KorvaneWindows windows(context);
    windows.form1->show();
    windows.form1->Timer1Timer();
    EXPECT_EQ(dialogs.shown, std::vector<std::string>{"Invalid data type for 'SSPath15'"});
    EXPECT_TRUE(windows.form1->isVisible());
    EXPECT_FALSE(windows.form5->isVisible());
}

} // namespace
} // namespace korvane::testing
