// Step 1's choice of mod: the mods listed, and a mod's map collected and packed as the game runs it.
#include "AppFixture.h"

#include "../scan/GameBytes.h"

#include "platform/qt/CheckListBox.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

namespace korvane::testing {
namespace {

class ModChoice : public AppFixture {
protected:
    TForm1* main = nullptr;

    void SetUp() override {
        writeGameFile("Bin/SeriousSam.exe", "");
        writeGameFile("Mods/Beta/ModName.txt", "");
        writeGameFile("Mods/Alpha/Levels/A.wld", "WLD" + dfnm("Textures\\T.tex") + zeros(64));
        writeGameFile("Mods/Alpha/Textures/T.tex", zeros(128));
        state.InstallRoot = root();
        main = &start();
        main->Timer1->stop();
        main->New1->trigger();
    }
};

TEST_F(ModChoice, AModsMapIsNamedFoundAndSavedInTheModsFolder) {
    ASSERT_EQ(main->ComboBox1->count(), 3);
    EXPECT_EQ(main->ComboBox1->itemText(0), "(нет)");
    EXPECT_EQ(main->ComboBox1->itemText(1), "Alpha");
    EXPECT_EQ(main->ComboBox1->itemText(2), "Beta");

    main->ComboBox1->setCurrentIndex(1);
    dialogs.openAnswers = {{root() + "Mods/Alpha/Levels/A.wld"}};
    click(main->Button1);
    EXPECT_EQ(dialogs.openRequests.back().initialFolder, root() + "Mods/Alpha/");
    EXPECT_EQ(main->MapItems.names(), std::vector<std::string>{"Levels\\A.wld"});

    click(main->Button2);
    EXPECT_EQ(main->PageControl1->currentIndex(), 1);
    EXPECT_EQ(main->FileItems.names(), (std::vector<std::string>{"Textures\\T.tex", "Levels\\A.wld"}));

    click(main->Button4);
    click(main->Button9);
    EXPECT_EQ(dialogs.saveRequests.back().initialFolder, root() + "Mods/Alpha/");
}

TEST_F(ModChoice, AModArchiveThatTurnsUnreadableBeforePackingStopsItBeforeAnythingIsWritten) {
    main->ComboBox1->setCurrentIndex(1);
    dialogs.openAnswers = {{root() + "Mods/Alpha/Levels/A.wld"}};
    click(main->Button1);
    click(main->Button2);
    writeGameFile("Mods/Alpha/Extra.gro", "not an archive");
    click(main->Button4);
    main->DestinationPath->setText(QString::fromStdString(root() + "Out.gro"));
    dialogs.shown.clear();
    click(main->Button7);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_NE(dialogs.shown[0].find("Archive is damaged"), std::string::npos) << dialogs.shown[0];
    EXPECT_FALSE(std::filesystem::exists(root() + "Out.gro"));
}

} // namespace
} // namespace korvane::testing
