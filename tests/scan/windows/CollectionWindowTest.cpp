#include "MainWindowFixture.h"

#include "../GameBytes.h"

#include <QPlainTextEdit>

#include <sys/stat.h>

namespace korvane {
namespace {

using Names = std::vector<std::string>;
using testing::dfnm;
using testing::zeros;

class CollectionWindowTest : public testing::MainWindowFixture {
protected:
    void addMaps(const Names& relative) {
        Names chosen;
        for (const auto& name : relative) {
            chosen.push_back(path(name));
        }
        dialogs.openAnswers.push_back(chosen);
        click(form->Button1);
    }
    std::string missingText() const { return form6->MissingFiles->toPlainText().toStdString(); }
};

TEST_F(CollectionWindowTest, AddingMapsChecksEachChosenFile) {
    install.write("Levels/One.wld", "");
    install.write("Levels/Two.txt", "");
    install.write("Levels/THREE.WLD", "");
    addMaps({"Levels/One.wld", "Levels/Two.txt", "Levels/THREE.WLD", "Levels/none.wld"});
    ASSERT_EQ(dialogs.openRequests.size(), 1u);
    EXPECT_EQ(dialogs.openRequests[0].filter, "Карта*.wld|*.wld");
    EXPECT_EQ(dialogs.openRequests[0].initialFolder, install.root());
    EXPECT_TRUE(dialogs.openRequests[0].multiSelect);
    EXPECT_TRUE(dialogs.openRequests[0].mustExist);
    EXPECT_EQ(form->MapItems.names(), (Names{"Levels\\One.wld", "Levels\\THREE.WLD"}));
    EXPECT_EQ(form->MapList->model()->rowCount(), 2);
    EXPECT_EQ(dialogs.shown,
              (Names{"Please choose .wld files only.",
                     "The files must reside inside the SS installation directory.\nIf you are sure that it's there, "
                     "then please check that the\npath is correctly defined in the Options menu."}));
    addMaps({"levels/one.wld"});
    EXPECT_EQ(dialogs.shown.back(), "levels\\one.wld is already in the list.");
    // Cancelling changes nothing.
    click(form->Button1);
    EXPECT_EQ(form->MapItems.size(), 2);
}

TEST_F(CollectionWindowTest, ClearingAMapsMarkRemovesItButAFilesMarkOnlyClears) {
    form->MapItems.assign({"a.wld", "b.wld"}, true);
    form->FileItems.assign({"x.tex", "y.tex"}, true);
    form->MapList->toggleCheck(0);
    EXPECT_EQ(form->MapItems.names(), Names{"b.wld"});
    form->FileList->toggleCheck(1);
    EXPECT_EQ(form->FileItems.names(), (Names{"x.tex", "y.tex"}));
    EXPECT_FALSE(form->FileItems.checked(1));
    EXPECT_EQ(form->MapItems.names(), Names{"b.wld"});
    form->MapList->toggleCheck(0);
    EXPECT_TRUE(form->MapItems.empty());
    click(form->Button2);
    EXPECT_EQ(dialogs.shown, Names{"Please add at least one map to the list before proceeding."});
    EXPECT_EQ(visibleStep(), 0);
    EXPECT_TRUE(form->isEnabled());
}

TEST_F(CollectionWindowTest, RunWithoutMissingFilesGoesToStepTwo) {
    install.write("Levels/A.wld", dfnm("Sounds\\a.wav") + zeros(52 * 1024));
    install.write("Levels/ATbn.tex", "");
    install.write("Sounds/a.wav", "");
    addMaps({"Levels/A.wld"});
    form->FileItems.append("left over.tex");
    click(form->Button2);
    EXPECT_EQ(form->FileItems.names(), (Names{"Sounds\\a.wav", "Levels\\A.wld", "Levels\\ATbn.tex"}));
    EXPECT_EQ(form->FileList->model()->rowCount(), 3);
    EXPECT_EQ(visibleStep(), 1);
    EXPECT_TRUE(form->isEnabled());
    EXPECT_FALSE(loading.window.isVisible());
    EXPECT_FALSE(form6->isVisible());
    EXPECT_EQ(loading.overallMax, 1);
    EXPECT_EQ(loading.overallTexts, Names{"1 out of 1"});
    EXPECT_EQ(loading.currentTexts, Names{"52224 out of 53268"});
    EXPECT_EQ(loading.eventPumps, 1);
}

TEST_F(CollectionWindowTest, MissingFilesOpenTheDialogAndIgnoreGoesOn) {
    install.write("Levels/A.wld", dfnm("Textures\\Gone.tex") + dfnm("a.wav"));
    install.write("Levels/B.wld", dfnm("textures\\gone.TEX") + dfnm("Scripts\\Gone.txt") + dfnm("Levels\\..\\b.wav"));
    install.write("b.wav", "");
    addMaps({"Levels/A.wld", "Levels/B.wld"});
    click(form->Button2);
    EXPECT_TRUE(form6->isVisible());
    EXPECT_FALSE(form->isEnabled());
    EXPECT_FALSE(loading.window.isVisible());
    EXPECT_EQ(missingText(), "Textures\\Gone.tex\na.wav\nScripts\\Gone.txt\nLevels\\..\\b.wav  (the name steps up a "
                             "folder with \"..\", which the game cannot find in a GRO; the map must name the file by "
                             "its own path)");
    EXPECT_EQ(visibleStep(), 0);
    // The disabled main window takes no clicks.
    click(form->Button2);
    EXPECT_EQ(dialogs.shown.size(), 0u);
    click(form6->Button2);
    EXPECT_FALSE(form6->isVisible());
    EXPECT_TRUE(form->isEnabled());
    EXPECT_EQ(visibleStep(), 1);
    EXPECT_EQ(form->FileItems.names(), (Names{"Textures\\Gone.tex", "a.wav", "Levels\\A.wld", "Scripts\\Gone.txt",
                                              "Levels\\..\\b.wav", "Levels\\B.wld"}));
    EXPECT_EQ(form->FileItems.checkedCount(), 6);
}

TEST_F(CollectionWindowTest, OkStaysAtStepOneAndTheNextRunStartsAfresh) {
    install.write("Levels/A.wld", dfnm("gone.wav"));
    addMaps({"Levels/A.wld"});
    click(form->Button2);
    click(form6->Button1);
    EXPECT_FALSE(form6->isVisible());
    EXPECT_TRUE(form->isEnabled());
    EXPECT_EQ(visibleStep(), 0);
    EXPECT_EQ(form->FileItems.names(), (Names{"gone.wav", "Levels\\A.wld"}));

    install.write("gone.wav", "");
    form->FileItems.append("by hand.tex");
    click(form->Button2);
    EXPECT_FALSE(form6->isVisible());
    EXPECT_EQ(missingText(), "");
    EXPECT_EQ(form->FileItems.names(), (Names{"gone.wav", "Levels\\A.wld"}));
    EXPECT_EQ(visibleStep(), 1);
}

TEST_F(CollectionWindowTest, ClosingTheDialogEnablesTheMainWindow) {
    install.write("Levels/A.wld", dfnm("gone.wav"));
    addMaps({"Levels/A.wld"});
    click(form->Button2);
    ASSERT_TRUE(form6->isVisible());
    form6->close();
    EXPECT_FALSE(form6->isVisible());
    EXPECT_TRUE(form->isEnabled());
    EXPECT_EQ(visibleStep(), 0);
}

TEST_F(CollectionWindowTest, VanishedMapIsReportedDuringTheRun) {
    install.write("Levels/A.wld", "");
    install.write("Levels/B.wld", "");
    addMaps({"Levels/A.wld", "Levels/B.wld"});
    std::filesystem::remove(install.path() / "Levels/A.wld");
    click(form->Button2);
    EXPECT_EQ(dialogs.shown, Names{"File Levels\\A.wld does not exist."});
    EXPECT_EQ(dialogs.states, Names{"disabled loading suspended"});
    EXPECT_EQ(form->FileItems.names(), Names{"Levels\\B.wld"});
    EXPECT_EQ(visibleStep(), 1);
}

TEST_F(CollectionWindowTest, OpenErrorLeavesTheWindowsUsableBeforeItsMessage) {
    install.write("Levels/A.wld", dfnm("found.wav") + dfnm("gone.wav") + dfnm("pipe.txt") + dfnm("after.wav"));
    install.write("found.wav", "");
    ASSERT_EQ(::mkfifo(path("pipe.txt").c_str(), 0600), 0);
    addMaps({"Levels/A.wld"});
    click(form->Button2);
    EXPECT_EQ(dialogs.shown, Names{"Cannot open file " + path("pipe.txt")});
    EXPECT_EQ(dialogs.states, Names{"enabled"});
    EXPECT_EQ(form->FileItems.names(), (Names{"found.wav", "gone.wav", "pipe.txt"}));
    EXPECT_EQ(form->FileList->model()->rowCount(), 3);
    EXPECT_EQ(missingText(), "gone.wav");
    EXPECT_FALSE(form6->isVisible());
    EXPECT_EQ(visibleStep(), 0);
}

} // namespace
} // namespace korvane
