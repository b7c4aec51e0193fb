#include "MainWindowFixture.h"

#include <QLineEdit>
#include <QPlainTextEdit>

namespace korvane {
namespace {

using Names = std::vector<std::string>;

class FileListWindowTest : public testing::MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        form->showStep(1);
    }
};

TEST_F(FileListWindowTest, AddingFilesTakesAnyKindFromInsideTheInstallation) {
    install.write("Textures/A.tex", "");
    install.write("Sounds/b.wav", "");
    state.StandardFiles.assign({"Textures\\A.tex"}, true);
    form->FileItems.append("sounds\\B.wav", false);
    testing::TempDir elsewhere;
    elsewhere.write("c.wav", "");
    dialogs.openAnswers.push_back(
        {path("Textures/A.tex"), path("Sounds/b.wav"), elsewhere.path().string() + "/c.wav", path("Textures/new.tex")});
    click(form->Button3);
    ASSERT_EQ(dialogs.openRequests.size(), 1u);
    EXPECT_EQ(dialogs.openRequests[0].filter, "*.*|*.*");
    EXPECT_EQ(dialogs.openRequests[0].initialFolder, install.root());
    EXPECT_TRUE(dialogs.openRequests[0].multiSelect);
    EXPECT_FALSE(dialogs.openRequests[0].mustExist);
    // A standard file added by hand is listed all the same.
    EXPECT_EQ(form->FileItems.names(), (Names{"sounds\\B.wav", "Textures\\A.tex"}));
    EXPECT_TRUE(form->FileItems.checked(1));
    const std::string outside =
        "The files must reside inside the SS installation directory.\nIf you are sure that "
        "it's there, then please check that the\npath is correctly defined in the Options menu.";
    EXPECT_EQ(dialogs.shown, (Names{"Sounds\\b.wav is already in the list.", outside, outside}));
}

TEST_F(FileListWindowTest, SortGroupsByFolderKeepingMarks) {
    for (const char* name : {"b.tex", "Textures\\B.tex", "a.tex", "Models\\x.mdl", "textures\\a.tex"}) {
        form->FileItems.append(name, true);
    }
    form->FileList->toggleCheck(1);
    click(form->Button6);
    EXPECT_EQ(form->FileItems.names(),
              (Names{"a.tex", "b.tex", "Models\\x.mdl", "Textures\\B.tex", "textures\\a.tex"}));
    EXPECT_FALSE(form->FileItems.checked(3));
    EXPECT_EQ(form->FileItems.checkedCount(), 4);
    const QModelIndex third = form->FileList->model()->index(2, 0);
    EXPECT_EQ(third.data().toString(), QStringLiteral("Models\\x.mdl"));
}

TEST_F(FileListWindowTest, NextNeedsAMarkedFileAndEmptiesStepThree) {
    form->FileItems.assign({"a.tex"}, false);
    click(form->Button4);
    EXPECT_EQ(dialogs.shown, Names{"Please select at least one file."});
    EXPECT_EQ(visibleStep(), 1);

    form->FileList->toggleCheck(0);
    form->DestinationPath->setText("old.gro");
    form->PackingLog->setPlainText("old log");
    click(form->Button4);
    EXPECT_EQ(visibleStep(), 2);
    EXPECT_TRUE(form->DestinationPath->text().isEmpty());
    EXPECT_TRUE(form->PackingLog->toPlainText().isEmpty());

    form->DestinationPath->setText("kept.gro");
    form->PackingLog->setPlainText("kept log");
    click(form->Button8);
    EXPECT_EQ(visibleStep(), 1);
    EXPECT_EQ(form->DestinationPath->text(), QStringLiteral("kept.gro"));
    EXPECT_EQ(form->PackingLog->toPlainText(), QStringLiteral("kept log"));

    click(form->Button5);
    EXPECT_EQ(visibleStep(), 0);
    EXPECT_EQ(form->FileItems.names(), Names{"a.tex"});
}

} // namespace
} // namespace korvane
