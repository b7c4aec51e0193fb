#include "AppFixture.h"

#include "../scan/GameBytes.h"
#include "support/ArchiveCheck.h"

#include "app/TForm3.h"
#include "archive/ZipEngine.h"
#include "platform/qt/CheckListBox.h"
#include "scan/windows/TForm6.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <filesystem>

namespace korvane::testing {
namespace {

using Lines = std::vector<std::string>;
using Members = std::vector<Member>;

constexpr const char* kSomeMissing = "Some files could not be included in the GRO. See the log for details.";
constexpr const char* kSuccess =
    "The gro has been successfully created.\nDo you wish to open the destination directory?";

// An installation with one map, its references and companions, and a standard archive made with the engine.
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
        writeGameFile("Textures/Old/Textures/Wall.tex", "an older copy" + zeros(128));
        writeGameFile("Textures/Std.tex", zeros(128));
        writeGameFile("Sounds/Music.ogg", music);
        makeStandardArchive();
        state.InstallRoot = root();
        main = &start();
        main->Timer1->stop();
        std::filesystem::create_directory(out());
    }

    std::string out() const { return dir.root() + "out/"; }

    void makeStandardArchive() {
        TZipEngine engine;
        engine.FileName = root() + "SE1_00.gro";
        engine.OpenArchive(0xFFFF);
        engine.BaseDir = root();
        engine.AddFiles("Textures\\Std.tex", 47, "");
        engine.CloseArchive();
        engine.OpenArchive(0);
        TZEArchiveItem item;
        for (bool found = engine.FindFirst("*.*", item, 47, ""); found; found = engine.FindNext(item)) {
            state.StandardFiles.append(item.StoredPath + item.FileName);
        }
        engine.CloseArchive();
    }

    void click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

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
    EXPECT_EQ(readMembers(out() + "mymap.gro"), (Members{{"Textures/Wall.tex", 8, wall + zeros(128)},
                                                         {"Sounds/Music.ogg", 0, music},
                                                         {"Levels/My Map.wld", 8, mapBytes},
                                                         {"Levels/My Map.vis", 8, "visibility"}}));
    expectToolsAccept(out() + "mymap.gro");
}

TEST_F(PackingWindow, BackToStepTwoKeepsTheLogAndAFullRunOffersTheFolder) {
    toStepThree();
    finish(out() + "first.gro");
    click(main->Button8);
    EXPECT_EQ(main->PageControl1->currentIndex(), 1);
    EXPECT_EQ(main->DestinationPath->text().toStdString(), out() + "first.gro");
    EXPECT_EQ(logLines().back(), "Done.");

    main->FileItems.setChecked(main->FileItems.indexOf("Textures\\Gone.tex"), false);
    click(main->Button4);
    EXPECT_TRUE(main->PackingLog->toPlainText().isEmpty());
    dialogs.shown.clear();
    dialogs.answers = {true};
    finish(out() + "second.gro");
    EXPECT_EQ(logLines(), (Lines{"Checking file path... Exists.", "Checking file writability... OK!", "Setting up...",
                                 "Packing...", "Done."}));
    EXPECT_EQ(dialogs.shown, Lines{kSuccess});
    EXPECT_EQ(shell.openedFolders, Lines{out()});
    EXPECT_EQ(readMembers(out() + "second.gro").size(), 4u);
}

TEST_F(PackingWindow, AFileThatCannotBeReadIsLoggedShownAndCountedWhileTheOthersLand) {
    toStepThree();
    // The file goes between the run's existence check and the engine opening it.
    main->Archiver->OnConfirmProcessFile = [&](TZEBaseArchiver&, const std::string& name, TZEProcessOperation, bool&) {
        if (name.ends_with("Music.ogg")) {
            std::filesystem::remove(root() + "Sounds/Music.ogg");
        }
    };
    dialogs.shown.clear();
    finish(out() + "mymap.gro");
    const Lines log = logLines();
    ASSERT_EQ(log.size(), 7u);
    EXPECT_TRUE(log[4].starts_with("Error:Archiver: Cannot open file \"")) << log[4];
    EXPECT_TRUE(log[4].ends_with("Music.ogg\" - Native error: 00033")) << log[4];
    EXPECT_EQ(log[5], "  ERROR: File Textures\\Gone.tex was not found!");
    EXPECT_EQ(dialogs.shown, (Lines{log[4], kSomeMissing}));
    EXPECT_EQ(readMembers(out() + "mymap.gro").size(), 3u);
    expectToolsAccept(out() + "mymap.gro");
}

TEST_F(PackingWindow, AFileAlsoInASubFolderOfTheSameNameIsPackedOnce) {
    toStepThree();
    finish(out() + "mymap.gro");
    const auto members = readMembers(out() + "mymap.gro");
    const auto walls =
        std::count_if(members.begin(), members.end(), [](const Member& m) { return m.name.ends_with("Wall.tex"); });
    EXPECT_EQ(walls, 1);
}

TEST_F(PackingWindow, EveryEarlyStopLeavesTheWindowUsable) {
    toStepThree();
    std::filesystem::create_directory(out() + "taken.gro");
    struct Stop {
        std::string destination;
        std::string message;
        Lines log;
    };
    const std::vector<Stop> stops{
        {out(), "Please choose a valid name and location for your GRO.", Lines{""}},
        {out() + "one/two/x.gro", "Error: The path did not exist and could not be created!",
         Lines{"Checking file path..."}},
        {out() + "taken.gro", "Error: The file is not writable!",
         Lines{"Checking file path... Exists.", "Checking file writability..."}},
        {root() + "Levels/My Map.wld",
         "Error: The GRO would replace Levels\\My Map.wld, which is one of the files to be packed.\n"
         "Please choose another name or location for your GRO.",
         Lines{"Checking file path... Exists.", "Checking file writability..."}},
    };
    for (const auto& stop : stops) {
        dialogs.shown.clear();
        main->DestinationPath->setText(QString::fromStdString(stop.destination));
        click(main->Button7);
        EXPECT_EQ(dialogs.shown, Lines{stop.message}) << stop.destination;
        EXPECT_EQ(logLines(), stop.log) << stop.destination;
        EXPECT_TRUE(main->isEnabled());
        EXPECT_FALSE(windows->form3->isVisible());
    }
    EXPECT_EQ(readFile(root() + "Levels/My Map.wld"), mapBytes);

    dialogs.answers = {false};
    main->DestinationPath->setText(QString::fromStdString(out() + "new/x"));
    click(main->Button7);
    EXPECT_EQ(logLines().front(), "Checking file path... Created.");
    EXPECT_TRUE(std::filesystem::is_regular_file(out() + "new/x.gro"));
}

} // namespace
} // namespace korvane::testing
