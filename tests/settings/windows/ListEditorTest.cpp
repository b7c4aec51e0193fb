// The editor's wiring: its opening, presets, and what OK and Cancel do to the Options dialog's lists. The
// rebuild itself is the list builder's, tested there.
#include "settings/windows/TForm4.h"

#include "settings/StandardPresets.h"
#include "settings/TextLines.h"
#include "settings/windows/TForm2.h"
#include "settings/windows/WindowFixture.h"
#include "support/qt/Centred.h"

#include <QAction>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWindow>

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
        options.move(200, 150);
        options.show();
        click(options.Button2);
    }
    Names memoLines() const { return textLines(editor.GroListMemo->toPlainText().toStdString()); }
    void setMemo(const std::string& text) { editor.GroListMemo->setPlainText(QString::fromStdString(text)); }
};

TEST_F(ListEditorTest, OpensCentredAboveTheDisabledOptionsDialogFromTheFirstTime) {
    EXPECT_FALSE(editor.isHidden());
    EXPECT_EQ(editor.frameGeometry().topLeft(), testing::centredPosition(editor, options));
    ASSERT_NE(editor.windowHandle(), nullptr);
    EXPECT_EQ(editor.windowHandle()->transientParent(), options.windowHandle());
    EXPECT_FALSE(options.isEnabled());
    EXPECT_EQ(memoLines(), (Names{"Base.gro", "Gone.gro"}));
}

TEST_F(ListEditorTest, PresetsReplaceTheLines) {
    setMemo("typed\nlines\n");
    editor.SecondEncounter1->trigger();
    EXPECT_EQ(memoLines(), presetArchives(GamePreset::SecondEncounter107));
    editor.FirstEncounter1->trigger();
    EXPECT_EQ(memoLines(), presetArchives(GamePreset::FirstEncounter105));
}

TEST_F(ListEditorTest, OkRebuildsTheOptionsListsProvisionally) {
    setMemo("Patch.gro\nMissing.gro\n");
    click(editor.Button2);
    EXPECT_EQ(dialogs.shown, Names{"File Missing.gro was not found."});
    EXPECT_EQ(state.StandardGroList.names(), Names{"Patch.gro"});
    EXPECT_EQ(state.StandardFiles.names(), (Names{"textures\\WALL.TEX", "Sounds\\Step.wav"}));
    EXPECT_TRUE(editor.isHidden());
    EXPECT_TRUE(options.isEnabled());
    EXPECT_EQ(settings.writes, 0);

    // The Options dialog's Cancel drops the rebuild.
    click(options.Button5);
    EXPECT_EQ(state.StandardGroList.names(), (Names{"Base.gro", "Gone.gro"}));
    EXPECT_EQ(state.StandardFiles.names(), Names{"Read.txt"});
}

TEST_F(ListEditorTest, CancelLeavesTheListsAndAnUnreadableArchiveKeepsTheEditorOpen) {
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
