// The wizard's wiring. The page order, the checks and the save are the flow's.
#include "settings/windows/TForm5.h"

#include "platform/GamePath.h"
#include "platform/qt/CheckListBox.h"
#include "settings/InstallFolder.h"
#include "settings/SettingsMessages.h"
#include "settings/StandardPresets.h"
#include "settings/TextLines.h"
#include "settings/windows/WindowFixture.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

namespace korvane {
namespace {

using Names = std::vector<std::string>;

class SetupWizardTest : public testing::WindowTest {
protected:
    TForm5 wizard{context};

    // As start-up opens it on a first run: the main window hidden, the wizard shown.
    void open() {
        mainWindow.hide();
        wizard.show();
    }
    bool onlyTabVisible(int page) const {
        for (int index = 0; index < wizard.PageControl1->count(); ++index) {
            if (wizard.PageControl1->isTabVisible(index) != (index == page - 1)) {
                return false;
            }
        }
        return wizard.currentPage() == page;
    }
};

TEST_F(SetupWizardTest, FirstRunFromThePickedFolderToTheMainWindow) {
    open();
    click(wizard.Button1);
    EXPECT_TRUE(onlyTabVisible(2));
    EXPECT_TRUE(wizard.VersionChoice->isHidden());
    click(wizard.Button3);
    dialogs.folderAnswers = {(install.path() / "Bin").string(), install.path().string()};
    click(wizard.Button2);
    EXPECT_TRUE(wizard.VersionChoice->isHidden());
    click(wizard.Button2);
    EXPECT_EQ(dialogs.folderRequests[1].initialFolder, withTrailingSeparator((install.path() / "Bin").string()));
    EXPECT_EQ(wizard.InstallPathField->text().toStdString(), root);
    // No known edition: "Другой" is chosen for the user to list the archives.
    EXPECT_FALSE(wizard.GroupBox1->isHidden());
    click(wizard.RadioButton2);
    EXPECT_TRUE(wizard.GroupBox1->isHidden());
    wizard.InstallPathField->setText(QString::fromStdString(install.path().string()));
    EXPECT_TRUE(wizard.VersionChoice->isHidden());
    wizard.InstallPathField->setText(QString::fromStdString(root));
    click(wizard.RadioButton3);
    click(wizard.Button3);
    wizard.CustomGroList->setPlainText("Base.gro\n");
    click(wizard.Button3);
    EXPECT_EQ(dialogs.shown, (Names{kSelectInstallationFolder, kNotAnInstallation, kNoValidGro}));
    EXPECT_TRUE(onlyTabVisible(3));
    EXPECT_EQ(wizard.WizardItems.size(), 3);
    EXPECT_EQ(loading.overallText, "1 out of 1");

    install.write("Maps/Own.wld", "");
    dialogs.openAnswers = {{(install.path() / "Maps/Own.wld").string()}};
    click(wizard.Button4);
    wizard.WizardStandardList->toggleCheck(0);
    click(wizard.Button6);
    EXPECT_TRUE(onlyTabVisible(4));
    EXPECT_EQ(state.StandardFiles.size(), 3);
    click(wizard.Button7);
    EXPECT_TRUE(onlyTabVisible(3));
    EXPECT_EQ(wizard.WizardItems.size(), 4);
    click(wizard.Button5);
    EXPECT_TRUE(onlyTabVisible(2));
    click(wizard.Button3);
    EXPECT_EQ(wizard.WizardItems.checkedCount(), 3);
    click(wizard.Button6);
    click(wizard.Button8);
    EXPECT_TRUE(wizard.isHidden());
    EXPECT_FALSE(mainWindow.isHidden());
    EXPECT_EQ(mainWindow.closes, 0);
}

TEST_F(SetupWizardTest, AFoundEditionIsShownAndAFailedSaveThenEndsTheProgram) {
    Names archives = presetArchives(GamePreset::SecondEncounter107);
    archives.push_back("SE1_10.gro");
    for (const std::string& name : archives) {
        install.write(name, "");
    }
    settings.failWrites = true;
    state.InstallRoot = root;
    open();
    wizard.showOnlyPage(2);
    EXPECT_EQ(wizard.InstallPathField->text().toStdString(), root);
    EXPECT_EQ(wizard.EditionLabel->text(), "Found The Second Encounter v1.10.");
    EXPECT_EQ(textLines(wizard.CustomGroList->toPlainText().toStdString()), archives);
    // A typed path is told apart as a picked one is.
    wizard.InstallPathField->clear();
    QTest::keyClicks(wizard.InstallPathField, QString::fromStdString(root));
    EXPECT_EQ(wizard.EditionLabel->text(), "Found The Second Encounter v1.10.");
    wizard.CustomGroList->setPlainText("Base.gro");
    click(wizard.Button3);
    click(wizard.Button6);
    EXPECT_EQ(dialogs.shown, Names{"Failed to set data for 'SSPath15'"});
    wizard.close();
    EXPECT_EQ(mainWindow.closes, 1);
}

} // namespace
} // namespace korvane
