// Steps 1 and 2 of the main window: the wiring of the map list, the collection run, the missing-files
// dialog and the file list. What the run finds is the scanner's business, tested there.
#include "AppFixture.h"

#include "../scan/GameBytes.h"

#include "app/TForm3.h"
#include "platform/qt/CheckListBox.h"
#include "scan/windows/TForm6.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <sys/stat.h>

namespace korvane::testing {
namespace {

class Steps : public AppFixture {
protected:
    TForm1* main = nullptr;
    void SetUp() override {
        main = &startConfigured();
        main->New1->trigger();
    }
    void addMaps(const Names& relative) {
        Names chosen;
        for (const auto& name : relative) {
            chosen.push_back(path(name));
        }
        dialogs.openAnswers.push_back(chosen);
        click(main->Button1);
    }
    std::string missingText() const { return windows->form6->MissingFiles->toPlainText().toStdString(); }
};

TEST_F(Steps, AddingMapsAsksForWorldsInTheInstallation) {
    writeGameFile("Levels/One.wld", "");
    addMaps({"Levels/One.wld", "Levels/none.wld"});
    ASSERT_EQ(dialogs.openRequests.size(), 1u);
    EXPECT_EQ(dialogs.openRequests[0].filter, "Карта*.wld|*.wld");
    EXPECT_EQ(dialogs.openRequests[0].initialFolder, root());
    EXPECT_TRUE(dialogs.openRequests[0].multiSelect);
    EXPECT_TRUE(dialogs.openRequests[0].mustExist);
    EXPECT_EQ(main->MapItems.names(), Names{"Levels\\One.wld"});
    EXPECT_EQ(dialogs.shown.size(), 1u);
    // Clearing a map's mark removes it; an empty list does not start a run.
    main->MapList->toggleCheck(0);
    EXPECT_TRUE(main->MapItems.empty());
    click(main->Button2);
    EXPECT_EQ(dialogs.shown.back(), "Please add at least one map to the list before proceeding.");
    EXPECT_EQ(visibleStep(*main), 0);
}

TEST_F(Steps, MissingFilesOpenTheDialogOverTheDisabledWindowAndIgnoreGoesOn) {
    writeGameFile("Levels/A.wld",
                  dfnm("Textures\\Gone.tex") + dfnm("a.wav") + dfnm("Levels\\..\\b.wav") + zeros(52 * 1024));
    writeGameFile("a.wav", "");
    writeGameFile("b.wav", "");
    addMaps({"Levels/A.wld"});
    click(main->Button2);
    TForm6& missing = *windows->form6;
    ASSERT_TRUE(missing.isVisible());
    EXPECT_EQ(missing.frameGeometry().topLeft(), centredPosition(missing, *main));
    EXPECT_FALSE(main->isEnabled());
    EXPECT_FALSE(windows->form3->isVisible());
    EXPECT_EQ(windows->form3->Label3->text(), "1 out of 1");
    EXPECT_EQ(windows->form3->Label2->text(), "52224 out of 53309");
    // Each line says who needs the file (the reasons' wording is the scan's).
    EXPECT_TRUE(missingText().starts_with("Textures\\Gone.tex  (needed by Levels\\A.wld)\nLevels\\..\\b.wav  ("));
    EXPECT_EQ(visibleStep(*main), 0);

    click(missing.Button2);
    EXPECT_FALSE(missing.isVisible());
    EXPECT_TRUE(main->isEnabled());
    EXPECT_EQ(visibleStep(*main), 1);
    EXPECT_EQ(main->FileItems.names(), (Names{"Textures\\Gone.tex", "a.wav", "Levels\\..\\b.wav", "Levels\\A.wld"}));
    EXPECT_EQ(main->FileItems.checkedCount(), 4);

    // OK instead stays at step 1.
    click(main->Button5);
    click(main->Button2);
    click(missing.Button1);
    EXPECT_TRUE(main->isEnabled());
    EXPECT_EQ(visibleStep(*main), 0);
}

TEST_F(Steps, MessagesDuringAndAfterTheRunFindTheWindowsAsTheyShouldBe) {
    writeGameFile("Levels/A.wld", "");
    writeGameFile("Levels/B.wld", dfnm("found.wav") + dfnm("pipe.txt"));
    writeGameFile("found.wav", "");
    ASSERT_EQ(::mkfifo(path("pipe.txt").c_str(), 0600), 0);
    addMaps({"Levels/A.wld", "Levels/B.wld"});
    std::filesystem::remove(path("Levels/A.wld"));
    Names states;
    dialogs.onMessage = [&](const std::string&) {
        states.push_back(std::string(main->isEnabled() ? "enabled" : "disabled") +
                         (windows->form3->isVisible() ? " loading" : "") +
                         (main->FileItems.updating() ? " suspended" : ""));
    };
    click(main->Button2);
    // A vanished map is reported mid-run; an unreadable file ends the run with the windows usable again.
    EXPECT_EQ(dialogs.shown, (Names{"File Levels\\A.wld does not exist.", "Cannot open file " + path("pipe.txt")}));
    EXPECT_EQ(states, (Names{"disabled loading suspended", "enabled"}));
    EXPECT_EQ(main->FileItems.names(), (Names{"found.wav", "pipe.txt"}));
    EXPECT_EQ(visibleStep(*main), 0);
}

TEST_F(Steps, TheDeepScanBoxUnderTheMapListFollowsTheModelsChain) {
    auto* box = main->findChild<QCheckBox*>("DeepScan");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text(), QString("Глубокий поиск зависимостей"));
    EXPECT_FALSE(box->isChecked());
    writeGameFile("Levels/A.wld", dfnm("Models\\M.mdl"));
    writeGameFile("Models/M.mdl", dfnm("Models\\Skin.tex") + zeros(300));
    writeGameFile("Models/Skin.tex", zeros(300));
    addMaps({"Levels/A.wld"});
    click(main->Button2);
    EXPECT_EQ(main->FileItems.names(), (Names{"Models\\M.mdl", "Levels\\A.wld"}));
    // Step 2 points at the box when following the found files would add some.
    auto* hint = main->findChild<QLabel*>("DeepScanHint");
    ASSERT_NE(hint, nullptr);
    EXPECT_TRUE(hint->isVisibleTo(main->TabSheet2));
    EXPECT_TRUE(hint->text().contains("«Глубокий поиск зависимостей»"));
    EXPECT_GE(hint->height(), hint->heightForWidth(hint->width()));
    EXPECT_GE(hint->width(), 500);
    click(main->Button5);
    box->setChecked(true);
    click(main->Button2);
    EXPECT_EQ(main->FileItems.names(), (Names{"Models\\M.mdl", "Models\\Skin.tex", "Levels\\A.wld"}));
    EXPECT_FALSE(hint->isVisibleTo(main->TabSheet2));
}

TEST_F(Steps, BesideTheListsTheMapsThumbnailAndTheSelectedFilesPictureAndChain) {
    // A texture of 2 x 1 RGB pixels: its header fields are 4-byte numbers, here all below 256.
    std::string texture = "TVER" + dfnm("", 4).substr(4) + "TDAT";
    for (const std::uint32_t field : {0U, 2U, 1U, 1U, 0U, 1U}) {
        texture += dfnm("", field).substr(4);
    }
    texture += "FRMS" + std::string("\x10\x20\x30\x40\x50\x60", 6);
    writeGameFile("Levels/A.wld", dfnm("Textures\\T.tex") + dfnm("a.wav"));
    writeGameFile("Textures/T.tex", texture);
    writeGameFile("Levels/ATbn.tex", texture);
    writeGameFile("a.wav", "");
    writeGameFile("b.wav", "");
    addMaps({"Levels/A.wld"});
    EXPECT_EQ(main->MapThumbnailSize->text(), "2 × 1 pixels");
    click(main->Button2);
    EXPECT_EQ(main->FileChain->text().remove(QChar(0x200B)), "Levels\\A.wld\n\u2192 Textures\\T.tex");
    EXPECT_EQ(main->FilePreviewSize->text(), "2 × 1 pixels");
    EXPECT_FALSE(main->FilePreview->pixmap().isNull());
    main->FileList->setCurrentIndex(main->FileList->model()->index(1, 0));
    EXPECT_TRUE(main->FilePreviewSize->text().isEmpty());
    dialogs.openAnswers.push_back({path("b.wav")});
    click(main->Button3);
    main->FileList->setCurrentIndex(main->FileList->model()->index(main->FileItems.size() - 1, 0));
    EXPECT_EQ(main->FileChain->text(), "added by hand");
}

TEST_F(Steps, StepTwoAddsSortsAndMovesOn) {
    writeGameFile("Sounds/b.wav", "");
    main->showStep(1);
    for (const char* name : {"b.tex", "Textures\\B.tex", "a.tex"}) {
        main->FileItems.append(name, true);
    }
    // A library stays in the list, marked as what ships beside the archive, the reason in its tooltip.
    main->FileItems.append("Bin\\Entities.dll", false);
    const QModelIndex library = main->FileList->model()->index(3, 0);
    EXPECT_EQ(library.data().toString(), "Bin\\Entities.dll  [ship beside the archive]");
    EXPECT_TRUE(library.data(Qt::ToolTipRole).toString().contains("only from plain files in Bin"));
    main->FileItems.removeAt(3);
    dialogs.openAnswers.push_back({path("Sounds/b.wav")});
    click(main->Button3);
    ASSERT_EQ(dialogs.openRequests.size(), 1u);
    EXPECT_EQ(dialogs.openRequests[0].filter, "*.*|*.*");
    EXPECT_EQ(dialogs.openRequests[0].initialFolder, root());
    EXPECT_FALSE(dialogs.openRequests[0].mustExist);
    main->FileList->toggleCheck(1);
    click(main->Button6);
    EXPECT_EQ(main->FileItems.names(), (Names{"a.tex", "b.tex", "Sounds\\b.wav", "Textures\\B.tex"}));
    EXPECT_FALSE(main->FileItems.checked(3));

    main->DestinationPath->setText("old.gro");
    click(main->Button4);
    EXPECT_EQ(visibleStep(*main), 2);
    EXPECT_TRUE(main->DestinationPath->text().isEmpty());
    main->DestinationPath->setText("kept.gro");
    click(main->Button8);
    EXPECT_EQ(visibleStep(*main), 1);
    EXPECT_EQ(main->DestinationPath->text(), "kept.gro");

    for (int i = 0; i < main->FileItems.size(); ++i) {
        main->FileItems.setChecked(i, false);
    }
    click(main->Button4);
    EXPECT_EQ(dialogs.shown.back(), "Please select at least one file.");
    EXPECT_EQ(visibleStep(*main), 1);
}

} // namespace
} // namespace korvane::testing
