// The Options dialog's wiring. What OK and hiding do to the lists and the settings is the session's.
#include "settings/windows/TForm2.h"

#include "platform/qt/CheckListBox.h"
#include "settings/InstallFolder.h"
#include "settings/windows/TForm4.h"
#include "settings/windows/WindowFixture.h"

#include <QLineEdit>
#include <QPushButton>

namespace korvane {
namespace {

using Names = std::vector<std::string>;

class OptionsDialogTest : public testing::WindowTest {
protected:
    TForm2 options{context};
    TForm4 editor{context, options};

    void SetUp() override {
        WindowTest::SetUp();
        state.InstallRoot = root;
        state.StandardFiles.assign({"Textures\\Wall.tex", "Models\\Item.mdl", "Read.txt"}, true);
        options.show();
    }
    void setField(const std::string& text) { options.InstallPathField->setText(QString::fromStdString(text)); }
};

TEST_F(OptionsDialogTest, OkStoresTheCheckedFilesAndHides) {
    EXPECT_EQ(options.InstallPathField->text().toStdString(), root);
    options.StandardFiles->toggleCheck(1);
    click(options.Button4);
    EXPECT_TRUE(options.isHidden());
    EXPECT_TRUE(options.isEnabled());
    EXPECT_TRUE(loading.isHidden());
    EXPECT_EQ(state.StandardFiles.names(), (Names{"Textures\\Wall.tex", "Read.txt"}));
    EXPECT_EQ((settings.values[{"\\Software\\Korvane", "SSPath15"}]), root);
}

TEST_F(OptionsDialogTest, CancelAndTheCloseButtonRestoreTheListsAsOpened) {
    for (const bool closeButton : {false, true}) {
        options.show();
        options.StandardFiles->toggleCheck(0);
        install.write("Maps/Own.wld", "");
        dialogs.openAnswers = {{(install.path() / "Maps/Own.wld").string()}};
        click(options.Button3);
        ASSERT_EQ(state.StandardFiles.size(), 4);
        setField((install.path() / "Bin").string() + "/");
        closeButton ? void(options.close()) : click(options.Button5);
        EXPECT_TRUE(options.isHidden());
        EXPECT_EQ(state.StandardFiles.checkedCount(), 3);
        EXPECT_EQ(state.InstallRoot, root);
        EXPECT_EQ(settings.writes, 0);
    }
}

TEST_F(OptionsDialogTest, AFailedWriteIsShownAndTheDialogStaysOpen) {
    settings.failWrites = true;
    click(options.Button4);
    EXPECT_EQ(dialogs.shown, Names{"Failed to set data for 'SSPath15'"});
    EXPECT_FALSE(options.isHidden());
    EXPECT_TRUE(options.isEnabled());
    EXPECT_TRUE(loading.isHidden());
}

TEST_F(OptionsDialogTest, BrowseWarnsAndAPathWithoutItsSeparatorIsRefused) {
    const testing::TempDir other;
    other.write("Bin/SeriousSam.exe", "MZ");
    dialogs.folderAnswers = {std::nullopt, (install.path() / "Bin").string(), other.path().string()};
    for (int i = 0; i < 3; ++i) {
        click(options.Button1);
    }
    EXPECT_EQ(dialogs.folderRequests[0].initialFolder, root);
    EXPECT_EQ(options.InstallPathField->text().toStdString(), other.root());
    setField(install.path().string());
    // Enter in the field neither confirms nor browses.
    QTest::keyClick(options.InstallPathField, Qt::Key_Return);
    click(options.Button4);
    click(options.Button2);
    EXPECT_EQ(dialogs.folderRequests.size(), 3u);
    EXPECT_EQ(dialogs.shown, (Names{kNotAnInstallation,
                                    "It is recommended that you check that the standard GROs are valid\n"
                                    "for this installation and then re-read the standard file list.",
                                    kChooseValidPathFirst, kChooseValidPathFirst}));
    EXPECT_FALSE(options.isHidden());
    EXPECT_TRUE(editor.isHidden());
}

} // namespace
} // namespace korvane
