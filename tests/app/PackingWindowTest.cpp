#include "AppFixture.h"

#include "../pack/PackingFixture.h"
#include "../scan/GameBytes.h"

#include "app/TForm3.h"
#include "archive/ZipEngine.h"
#include "platform/qt/CheckListBox.h"
#include "scan/windows/TForm6.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <filesystem>

namespace korvane::testing {
namespace {

using Lines = std::vector<std::string>;

// An installation with one map, its references and companions, one of them standard.
class PackingWindow : public AppFixture {
protected:
    TForm1* main = nullptr;
    const std::string wall = std::string(3000, 'w');
    const std::string music = std::string(2000, 'm') + "end";
    const std::string mapBytes = "WLD" + dfnm("Textures\\Wall.tex") + dfnm("textures\\STD.tex") +
                                 dfnm("Sounds\\Music.ogg") + dfnm("Textures\\Gone.tex") + zeros(64);

    void SetUp() override {
        writeGameFile("Bin/SeriousSam.exe", "");
        writeGameFile("Levels/My Map.wld", mapBytes);
        writeGameFile("Levels/My Map.vis", "visibility");
        writeGameFile("Textures/Wall.tex", wall + zeros(128));
        writeGameFile("Textures/Std.tex", zeros(128));
        writeGameFile("Sounds/Music.ogg", music);
        state.StandardFiles.assign({"Textures\\Std.tex"}, true);
        main = &startConfigured();
        std::filesystem::create_directory(out());
    }

    std::string out() const { return dir.root() + "out/"; }

    // Step 1 to step 3 through the buttons, ignoring the missing file.
    void toStepThree() {
        main->New1->trigger();
        dialogs.openAnswers = {{root() + "Levels/My Map.wld"}};
        click(main->Button1);
        click(main->Button2);
        ASSERT_TRUE(windows->form6->isVisible());
        click(windows->form6->Button2);
        ASSERT_EQ(main->PageControl1->currentIndex(), 1);
        click(main->Button4);
        ASSERT_EQ(main->PageControl1->currentIndex(), 2);
    }

    void finish(const std::string& destination) {
        dialogs.saveAnswers = {destination};
        click(main->Button9);
        click(main->Button7);
    }

    Lines logLines() const {
        Lines lines;
        for (const auto& line : main->PackingLog->toPlainText().split('\n')) {
            lines.push_back(line.toStdString());
        }
        return lines;
    }
};

TEST_F(PackingWindow, PacksTheMapsFilesFromStepOneToFinish) {
    toStepThree();
    EXPECT_EQ(main->FileItems.names(), (Lines{"Textures\\Wall.tex", "Sounds\\Music.ogg", "Textures\\Gone.tex",
                                              "Levels\\My Map.wld", "Levels\\My Map.vis"}));
    QWidget* loading = windows->form3.get();
    loading->move(40, 30);
    bool busyDuringRun = false;
    main->Archiver->OnConfirmProcessFile = [&](TZEBaseArchiver&, const std::string&, TZEProcessOperation, bool&) {
        busyDuringRun = !main->isEnabled() && loading->isVisible() && loading->pos() == QPoint(40, 30);
    };
    dialogs.shown.clear();
    finish(out() + "mymap");

    EXPECT_EQ(dialogs.saveRequests.back().filter, "*.GRO|*.GRO");
    EXPECT_EQ(dialogs.saveRequests.back().initialFolder, root());
    EXPECT_TRUE(dialogs.saveRequests.back().promptOverwrite);
    EXPECT_EQ(main->DestinationPath->text().toStdString(), out() + "mymap.gro");
    EXPECT_EQ(logLines(), (Lines{"Checking file path... Exists.", "Checking file writability... OK!", "Setting up...",
                                 "Packing...", "  ERROR: File Textures\\Gone.tex was not found!", "Done."}));
    EXPECT_EQ(dialogs.shown, Lines{kSomeMissing});
    EXPECT_TRUE(busyDuringRun);
    EXPECT_TRUE(main->isEnabled());
    EXPECT_FALSE(loading->isVisible());
    EXPECT_EQ(windows->form3->Label3->text(), "4 out of 5");
    EXPECT_EQ(windows->form3->Label2->text(), "100%");
    // What lands in the archive is the packing run's; here, that the run was given step 2's list.
    EXPECT_TRUE(std::filesystem::exists(out() + "mymap.gro"));
}

// A complete archive ends in the Yes/No question; Yes opens its folder, and a folder the desktop cannot show
// is reported.
TEST_F(PackingWindow, YesToTheClosingQuestionOpensTheFolder) {
    toStepThree();
    main->FileItems.removeAt(main->FileItems.indexOf("Textures\\Gone.tex"));
    const std::string question =
        "The gro has been successfully created.\nDo you wish to open the destination directory?";
    dialogs.shown.clear();
    for (const bool opens : {true, false}) {
        shell.folderOpens = opens;
        dialogs.answers = {true};
        main->DestinationPath->setText(QString::fromStdString(out() + "done.gro"));
        click(main->Button7);
    }
    EXPECT_EQ(dialogs.shown,
              (Lines{question, question,
                     "The folder " + out() + " could not be opened: no program to show folders was found."}));
    EXPECT_EQ(dialogs.buttons, (Lines{"Yes No", "Yes No", "OK"}));
    EXPECT_EQ(shell.openedFolders, (Lines{out(), out()}));
}

TEST_F(PackingWindow, AnEarlyStopLeavesTheWindowUsable) {
    toStepThree();
    dialogs.shown.clear();
    main->DestinationPath->setText(QString::fromStdString(out() + "one/two/x.gro"));
    click(main->Button7);
    EXPECT_EQ(dialogs.shown, Lines{"Error: The path did not exist and could not be created!"});
    EXPECT_EQ(logLines(), Lines{"Checking file path..."});
    EXPECT_TRUE(main->isEnabled());
    EXPECT_FALSE(windows->form3->isVisible());
}

} // namespace
} // namespace korvane::testing
