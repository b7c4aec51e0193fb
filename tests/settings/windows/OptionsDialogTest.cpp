#include "settings/windows/TForm2.h"

#include "platform/qt/CheckListBox.h"
#include "settings/InstallFolder.h"
#include "settings/windows/TForm4.h"
#include "settings/windows/WindowFixture.h"

#include <QLineEdit>
#include <QPlainTextEdit>
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
        state.StandardGroList.assign({"Base.gro"}, false);
        state.StandardFiles.assign({"Textures\\Wall.tex", "Models\\Item.mdl", "Read.txt"}, true);
        mainWindow.show();
    }
    void open() {
        options.show();
        ASSERT_TRUE(options.isEnabled());
    }
    void setField(const std::string& text) { options.InstallPathField->setText(QString::fromStdString(text)); }
};

TEST_F(OptionsDialogTest, OkDeletesUncheckedEntriesAndSavesUnderTheRoot) {
    open();
    EXPECT_EQ(options.InstallPathField->text().toStdString(), root);
    EXPECT_TRUE(mainWindow.isEnabled());
    options.StandardFiles->toggleCheck(1);
    click(options.Button4);
    EXPECT_TRUE(options.isHidden());
    EXPECT_EQ(state.StandardFiles.names(), (Names{"Textures\\Wall.tex", "Read.txt"}));
    EXPECT_EQ(cacheLines("KVN_files.dat"), (Names{"Textures\\Wall.tex", "Read.txt"}));
    EXPECT_EQ(cacheLines("KVN_gros.dat"), Names{"Base.gro"});
    EXPECT_EQ((settings.values[{"\\Software\\Korvane", "SSPath15"}]), root);
    EXPECT_TRUE(loading.isHidden());

    open();
    EXPECT_EQ(state.StandardFiles.checkedCount(), 2);
}

TEST_F(OptionsDialogTest, CancelAndTheCloseButtonRestoreTheListsAsOpened) {
    for (const bool closeButton : {false, true}) {
        open();
        options.StandardFiles->toggleCheck(0);
        install.write("Maps/Own.wld", "");
        dialogs.openAnswers = {{(install.path() / "Maps/Own.wld").string()}};
        click(options.Button3);
        setField((install.path() / "Bin").string() + "/");
        if (closeButton) {
            options.close();
        } else {
            click(options.Button5);
        }
        EXPECT_TRUE(options.isHidden());
        EXPECT_EQ(state.StandardFiles.names(), (Names{"Textures\\Wall.tex", "Models\\Item.mdl", "Read.txt"}));
        EXPECT_EQ(state.StandardFiles.checkedCount(), 3);
        EXPECT_EQ(state.InstallRoot, root);
        EXPECT_EQ(settings.writes, 0);
        EXPECT_FALSE(cacheFolderExists());
    }
}

TEST_F(OptionsDialogTest, BrowseWarnsAboutInvalidAndChangedFolders) {
    const testing::TempDir other;
    other.write("Bin/SeriousSam.exe", "MZ");
    open();
    dialogs.folderAnswers = {std::nullopt, (install.path() / "Bin").string(), install.path().string(),
                             other.path().string()};
    click(options.Button1);
    EXPECT_EQ(options.InstallPathField->text().toStdString(), root);
    EXPECT_EQ(dialogs.folderRequests[0].initialFolder, root);
    click(options.Button1);
    click(options.Button1);
    click(options.Button1);
    EXPECT_EQ(dialogs.shown,
              (Names{kNotAnInstallation, "It is recommended that you check that the standard GROs are valid\n"
                                         "for this installation and then re-read the standard file list."}));

    // OK without a rebuild writes the unchanged lists under the new root.
    click(options.Button4);
    EXPECT_EQ(state.InstallRoot, other.root());
    EXPECT_EQ(testing::readFile(other.path() / "Temp/KVN_gros.dat"), "Base.gro\r\n");
    EXPECT_FALSE(cacheFolderExists());
}

TEST_F(OptionsDialogTest, APathWithoutItsSeparatorIsRefusedAtOkAndAtTheEditorButton) {
    open();
    setField(install.path().string());
    click(options.Button4);
    click(options.Button2);
    click(options.Button3);
    EXPECT_EQ(dialogs.shown, (Names{kChooseValidPathFirst, kChooseValidPathFirst, kChooseValidPathFirst}));
    EXPECT_FALSE(options.isHidden());
    EXPECT_TRUE(editor.isHidden());
    EXPECT_EQ(settings.writes, 0);
}

TEST_F(OptionsDialogTest, FailedRegistryWriteKeepsTheDialogOpenAndCancelStillRestores) {
    open();
    options.StandardFiles->toggleCheck(2);
    settings.failWrites = true;
    click(options.Button4);
    EXPECT_EQ(dialogs.shown, Names{"Failed to set data for 'SSPath15'"});
    EXPECT_FALSE(options.isHidden());
    EXPECT_TRUE(options.isEnabled());
    EXPECT_FALSE(cacheFolderExists());
    EXPECT_EQ(state.InstallRoot, root);

    click(options.Button5);
    EXPECT_EQ(state.StandardFiles.size(), 3);
    EXPECT_EQ(state.StandardFiles.checkedCount(), 3);
}

TEST_F(OptionsDialogTest, EnterInThePathFieldOpensNoPicker) {
    open();
    options.InstallPathField->setFocus();
    QTest::keyClick(options.InstallPathField, Qt::Key_Return);
    QTest::keyClick(options.InstallPathField, Qt::Key_Enter);
    EXPECT_TRUE(dialogs.folderRequests.empty());
    EXPECT_FALSE(options.isHidden());
    EXPECT_FALSE(options.Button1->isDefault() || options.Button1->autoDefault());
    EXPECT_TRUE(options.Button4->isDefault());
}

} // namespace
} // namespace korvane
