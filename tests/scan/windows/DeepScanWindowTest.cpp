// The deep scan's check box on step 1: the chain through a model reaches step 2 only when it is ticked, and
// step 2 says so when it is not.
#include "MainWindowFixture.h"

#include "../GameBytes.h"

#include <QCheckBox>
#include <QLabel>

namespace korvane {
namespace {

using Names = std::vector<std::string>;
using testing::dfnm;
using testing::zeros;

using DeepScanWindowTest = testing::MainWindowFixture;

TEST_F(DeepScanWindowTest, TheBoxUnderTheMapListSwitchesTheDeepScan) {
    auto* box = form->findChild<QCheckBox*>("DeepScan");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text(), QString("Глубокий поиск зависимостей"));
    EXPECT_FALSE(box->isChecked());
    EXPECT_EQ(box->parentWidget(), form->TabSheet1);
    EXPECT_GE(box->geometry().top(), form->MapList->geometry().bottom());
    EXPECT_LE(box->geometry().bottom(), form->Button1->geometry().top());

    install.write("Levels/A.wld", dfnm("Models\\M.mdl") + dfnm("Models\\M.smc"));
    install.write("Models/M.mdl", dfnm("Models\\Skin.tex") + zeros(300));
    install.write("Models/Skin.tex", zeros(300));
    install.write("Models/M.smc", "#INCLUDE \"Models\\Part.smc\"\n");
    install.write("Models/Part.smc", "MESH TFNM \"Models\\Part.bm\";\n");
    install.write("Models/Part.bm", "");
    dialogs.openAnswers.push_back({path("Levels/A.wld")});
    click(form->Button1);
    click(form->Button2);
    EXPECT_EQ(form->FileItems.names(), (Names{"Models\\M.mdl", "Models\\M.smc", "Levels\\A.wld"}));
    auto* hint = form->findChild<QLabel*>("DeepScanHint");
    ASSERT_NE(hint, nullptr);
    EXPECT_TRUE(hint->isVisibleTo(form->TabSheet2));
    EXPECT_TRUE(hint->text().contains("3 файл")) << hint->text().toStdString();
    EXPECT_TRUE(hint->text().contains("«Глубокий поиск зависимостей»"));

    click(form->Button5);
    box->setChecked(true);
    click(form->Button2);
    EXPECT_EQ(form->FileItems.names(), (Names{"Models\\M.mdl", "Models\\Skin.tex", "Models\\M.smc", "Models\\Part.smc",
                                              "Models\\Part.bm", "Levels\\A.wld"}));
    EXPECT_EQ(visibleStep(), 1);
    EXPECT_FALSE(hint->isVisibleTo(form->TabSheet2));
}

} // namespace
} // namespace korvane
