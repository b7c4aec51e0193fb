// The wiring of the Options dialog and of its standard GRO list editor. What OK and hiding do to the lists and
// the settings is the session's, and the editor's rebuild the list builder's.
#include "settings/windows/TForm2.h"

#include "platform/qt/CheckListBox.h"
#include "settings/InstallFolder.h"
#include "settings/StandardPresets.h"
#include "settings/TextLines.h"
#include "settings/windows/TForm4.h"
#include "settings/windows/WindowFixture.h"
#include "support/qt/Centred.h"

#include <QAction>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWindow>

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
        state.StandardGroList.assign({"Base.gro", "Gone.gro"}, false);
        state.StandardFiles.assign({"Textures\\Wall.tex", "Models\\Item.mdl", "Read.txt"}, true);
        options.move(200, 150);
        options.show();
    }
    void setField(const std::string& text) { options.InstallPathField->setText(QString::fromStdString(text)); }
    Names memoLines() const { return textLines(editor.GroListMemo->toPlainText().toStdString()); }
    void setMemo(const std::string& text) { editor.GroListMemo->setPlainText(QString::fromStdString(text)); }
};

TEST_F(OptionsDialogTest, OkAfterBrowsingStoresUnderThePickedFolder) {
    EXPECT_EQ(options.InstallPathField->text().toStdString(), root);
    const testing::TempDir other;
    other.write("Bin/SeriousSam.exe", "MZ");
    dialogs.folderAnswers = {std::nullopt, (install.path() / "Bin").string(), other.path().string()};
    for (int i = 0; i < 3; ++i) {
        click(options.Button1);
    }
    EXPECT_EQ(dialogs.folderRequests[0].initialFolder, root);
    EXPECT_EQ(dialogs.shown,
              (Names{kNotAnInstallation, "It is recommended that you check that the standard GROs are valid\n"
                                         "for this installation and then re-read the standard file list."}));
    options.StandardFiles->toggleCheck(1);
    click(options.Button4);
    EXPECT_TRUE(options.isHidden());
    EXPECT_TRUE(options.isEnabled());
    EXPECT_TRUE(loading.isHidden());
    EXPECT_EQ(state.InstallRoot, other.root());
    EXPECT_EQ(state.StandardFiles.names(), (Names{"Textures\\Wall.tex", "Read.txt"}));
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

TEST_F(OptionsDialogTest, APathWithoutItsSeparatorIsRefused) {
    setField(install.path().string());
    // Enter in the field neither confirms nor browses.
    QTest::keyClick(options.InstallPathField, Qt::Key_Return);
    click(options.Button4);
    click(options.Button2);
    EXPECT_EQ(dialogs.shown, (Names{kChooseValidPathFirst, kChooseValidPathFirst}));
    EXPECT_TRUE(dialogs.folderRequests.empty());
    EXPECT_FALSE(options.isHidden());
    EXPECT_TRUE(editor.isHidden());
}

TEST_F(OptionsDialogTest, EditorPresetsReplaceTheLines) {
    click(options.Button2);
    setMemo("typed\nlines\n");
    editor.SecondEncounter1->trigger();
    EXPECT_EQ(memoLines(), presetArchives(GamePreset::SecondEncounter107));
    editor.FirstEncounter1->trigger();
    EXPECT_EQ(memoLines(), presetArchives(GamePreset::FirstEncounter105));
}

TEST_F(OptionsDialogTest, EditorOpensOverTheDisabledOptionsDialogAndOkRebuildsItsListsProvisionally) {
    click(options.Button2);
    EXPECT_EQ(editor.frameGeometry().topLeft(), testing::centredPosition(editor, options));
    ASSERT_NE(editor.windowHandle(), nullptr);
    EXPECT_EQ(editor.windowHandle()->transientParent(), options.windowHandle());
    EXPECT_FALSE(options.isEnabled());
    EXPECT_EQ(memoLines(), (Names{"Base.gro", "Gone.gro"}));
    setMemo("Patch.gro\nMissing.gro\n");
    click(editor.Button2);
    EXPECT_EQ(dialogs.shown, Names{"File Missing.gro was not found."});
    EXPECT_EQ(state.StandardGroList.names(), Names{"Patch.gro"});
    EXPECT_EQ(state.StandardFiles.names(), (Names{"textures\\WALL.TEX", "Sounds\\Step.wav"}));
    EXPECT_TRUE(editor.isHidden());
    EXPECT_TRUE(options.isEnabled());
    EXPECT_EQ(settings.writes, 0);
}

TEST_F(OptionsDialogTest, EditorCancelLeavesTheListsAndAnUnreadableArchiveKeepsTheEditorOpen) {
    click(options.Button2);
    setMemo("Patch.gro");
    click(editor.Button3);
    EXPECT_TRUE(editor.isHidden());
    EXPECT_TRUE(options.isEnabled());
    EXPECT_EQ(state.StandardGroList.names(), (Names{"Base.gro", "Gone.gro"}));
    click(options.Button2);
    EXPECT_EQ(memoLines(), (Names{"Base.gro", "Gone.gro"}));

    install.write("Broken.gro", "not an archive");
    setMemo("Broken.gro");
    click(editor.Button2);
    EXPECT_EQ(dialogs.shown.size(), 1u);
    EXPECT_FALSE(editor.isHidden());
    EXPECT_TRUE(editor.isEnabled());
}

} // namespace
} // namespace korvane
