#include "settings/windows/TForm4.h"

#include "settings/StandardPresets.h"
#include "settings/TextLines.h"
#include "settings/windows/TForm2.h"
#include "settings/windows/WindowFixture.h"

#include <QAction>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>

namespace korvane {
namespace {

using Names = std::vector<std::string>;

class ListEditorTest : public testing::WindowTest {
protected:
    TForm2 options{context};
    TForm4 editor{context, options};

    void SetUp() override {
        WindowTest::SetUp();
        state.InstallRoot = root;
        state.StandardGroList.assign({"Base.gro", "Gone.gro"}, false);
        state.StandardFiles.assign({"Read.txt"}, true);
        options.show();
        click(options.Button2);
    }
    Names memoLines() const { return textLines(editor.GroListMemo->toPlainText().toStdString()); }
    void setMemo(const std::string& text) { editor.GroListMemo->setPlainText(QString::fromStdString(text)); }
};

TEST_F(ListEditorTest, OpensFromTheOptionsDialogWithTheArchiveNames) {
    EXPECT_EQ(editor.windowTitle(), "Изменение списка стандартных .GRO архивов");
    EXPECT_FALSE(editor.isHidden());
    EXPECT_FALSE(options.isEnabled());
    EXPECT_EQ(memoLines(), (Names{"Base.gro", "Gone.gro"}));
}

TEST_F(ListEditorTest, PresetMenuPopsUpAtTheButtonAndReplacesTheLines) {
    editor.move(40, 30);
    EXPECT_EQ(editor.presetMenuPosition(), editor.pos() + editor.Button1->pos());
    click(editor.Button1);
    EXPECT_TRUE(editor.PopupMenu1->isVisible());
    editor.PopupMenu1->hide();
    EXPECT_EQ(editor.SecondEncounter1->text(), "Serious Sam: The Second Encounter v1.07");
    EXPECT_TRUE(editor.N1->isSeparator());

    setMemo("typed\nlines\n");
    editor.SecondEncounter1->trigger();
    EXPECT_EQ(memoLines(), presetArchives(GamePreset::SecondEncounter107));
    editor.FirstEncounter1->trigger();
    EXPECT_EQ(memoLines(), presetArchives(GamePreset::FirstEncounter105));
}

TEST_F(ListEditorTest, OkRebuildsKeepingDuplicatesAndReportingMissingArchives) {
    setMemo("Base.gro\nMissing.gro\nPatch.gro\nBase.gro\n");
    click(editor.Button2);
    EXPECT_EQ(dialogs.shown, Names{"File Missing.gro was not found."});
    EXPECT_EQ(state.StandardGroList.names(), (Names{"Base.gro", "Patch.gro", "Base.gro"}));
    EXPECT_EQ(state.StandardFiles.names(),
              (Names{"Textures\\Wall.tex", "Models\\Item.mdl", "Read.txt", "textures\\WALL.TEX", "Sounds\\Step.wav",
                     "Textures\\Wall.tex", "Models\\Item.mdl", "Read.txt"}));
    EXPECT_EQ(state.StandardFiles.checkedCount(), 8);
    EXPECT_TRUE(editor.isHidden());
    EXPECT_TRUE(editor.isEnabled());
    EXPECT_TRUE(options.isEnabled());
    EXPECT_TRUE(loading.window.isHidden());
    EXPECT_EQ(loading.overallTexts.back(), "4 out of 4");
    EXPECT_EQ(settings.writes, 0);

    // The rebuild is provisional: the Options dialog's Cancel drops it.
    click(options.Button5);
    EXPECT_EQ(state.StandardGroList.names(), (Names{"Base.gro", "Gone.gro"}));
    EXPECT_EQ(state.StandardFiles.names(), Names{"Read.txt"});
}

TEST_F(ListEditorTest, EmptyMemoEmptiesBothListsAndOkSavesEmptyFiles) {
    setMemo("");
    click(editor.Button2);
    EXPECT_TRUE(state.StandardGroList.empty());
    EXPECT_TRUE(state.StandardFiles.empty());
    click(options.Button4);
    EXPECT_EQ(testing::readFile(install.path() / "Temp/KVN_gros.dat"), "");
    EXPECT_EQ(testing::readFile(install.path() / "Temp/KVN_files.dat"), "");
}

TEST_F(ListEditorTest, UnreadableArchiveStopsTheRebuildAndLeavesTheEditorOpen) {
    install.write("Broken.gro", "not an archive");
    setMemo("Base.gro\nBroken.gro\nPatch.gro");
    click(editor.Button2);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0], "Archiver: Archive is damaged. Open failed - Native error: 00048");
    EXPECT_FALSE(editor.isHidden());
    EXPECT_TRUE(editor.isEnabled());
    EXPECT_TRUE(loading.window.isHidden());
    EXPECT_EQ(state.StandardGroList.names(), (Names{"Base.gro", "Broken.gro"}));
}

TEST_F(ListEditorTest, CancelLeavesTheListsAndEnablesTheOptionsDialog) {
    setMemo("Patch.gro");
    click(editor.Button3);
    EXPECT_TRUE(editor.isHidden());
    EXPECT_TRUE(options.isEnabled());
    EXPECT_EQ(state.StandardGroList.names(), (Names{"Base.gro", "Gone.gro"}));
    EXPECT_EQ(state.StandardFiles.names(), Names{"Read.txt"});

    click(options.Button2);
    EXPECT_EQ(memoLines(), (Names{"Base.gro", "Gone.gro"}));
}

} // namespace
} // namespace korvane
