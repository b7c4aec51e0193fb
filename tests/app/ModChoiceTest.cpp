// Step 1's choice of mod: the mods listed, and the chosen one passed to collecting and saving.
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

    click(main->Button2);
    EXPECT_EQ(main->FileItems.names(), (std::vector<std::string>{"Textures\\T.tex", "Levels\\A.wld"}));

    click(main->Button4);
    click(main->Button9);
    EXPECT_EQ(dialogs.saveRequests.back().initialFolder, root() + "Mods/Alpha/");
}

} // namespace
} // namespace korvane::testing
