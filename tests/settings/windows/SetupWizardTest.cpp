#include "settings/windows/TForm5.h"

#include "platform/qt/CheckListBox.h"
#include "settings/InstallFolder.h"
#include "settings/StandardListBuilder.h"
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
#include <QTest>

namespace korvane {
namespace {

using Names = std::vector<std::string>;

const Names kSecondEncounterMembers{"Models\\Player\\Sam.mdl", "Textures\\Sky.tex", "Levels\\Extra.wld",
                                    "Bin\\Tool.dll",           "Music\\Theme.ogg",  "Bin\\Patch.dll",
                                    "Bin\\Tools107.dll"};

class SetupWizardTest : public testing::WindowTest {
protected:
    TForm5 wizard{context};

    // As start-up opens it on a first run: the main window hidden, the wizard shown.
    void open() {
        mainWindow.hide();
        wizard.show();
    }
    // Pages 1 and 2 with the field typed and the version chosen.
    void reachPage3(QRadioButton* version, const std::string& customList = "") {
        open();
        click(wizard.Button1);
        wizard.InstallPathField->setText(QString::fromStdString(root));
        click(version);
        wizard.CustomGroList->setPlainText(QString::fromStdString(customList));
        click(wizard.Button3);
        ASSERT_EQ(wizard.currentPage(), 3);
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

TEST_F(SetupWizardTest, FirstRunFindsTheGameSavesTheCheckedEntriesAndShowsTheMainWindow) {
    settings.values[{"\\Software\\Croteam\\SeriousSamSE", "Path"}] = install.path().string();
    open();
    EXPECT_TRUE(onlyTabVisible(1));

    click(wizard.Button1);
    EXPECT_TRUE(onlyTabVisible(2));
    EXPECT_EQ(state.InstallRoot, root);
    EXPECT_EQ(wizard.InstallPathField->text().toStdString(), root);
    EXPECT_FALSE(wizard.VersionChoice->isHidden());
    EXPECT_TRUE(wizard.GroupBox1->isHidden());

    click(wizard.RadioButton1);
    click(wizard.Button3);
    EXPECT_TRUE(onlyTabVisible(3));
    EXPECT_EQ(wizard.WizardItems.names(), kSecondEncounterMembers);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_TRUE(wizard.isEnabled());

    wizard.WizardStandardList->toggleCheck(1);
    click(wizard.Button6);
    EXPECT_TRUE(onlyTabVisible(4));
    EXPECT_TRUE(wizard.SettingsSaved);
    Names saved = kSecondEncounterMembers;
    saved.erase(saved.begin() + 1);
    EXPECT_EQ(state.StandardFiles.names(), saved);
    EXPECT_EQ(cacheLines("KVN_files.dat"), saved);
    EXPECT_EQ(cacheLines("KVN_gros.dat"), presetArchives(GamePreset::SecondEncounter107));
    EXPECT_EQ((settings.values[{"\\Software\\Korvane", "SSPath15"}]), root);

    click(wizard.Button8);
    EXPECT_TRUE(wizard.isHidden());
    EXPECT_FALSE(mainWindow.isHidden());
    EXPECT_EQ(mainWindow.closes, 0);
}

TEST_F(SetupWizardTest, NothingDetectedLeavesTheFieldEmptyAndPageTwoChecksWhatIsTyped) {
    open();
    click(wizard.Button1);
    EXPECT_EQ(wizard.InstallPathField->text(), "");
    EXPECT_TRUE(wizard.VersionChoice->isHidden());

    click(wizard.Button3);
    wizard.InstallPathField->setText(QString::fromStdString(install.path().string())); // no trailing separator
    EXPECT_TRUE(wizard.VersionChoice->isHidden());
    click(wizard.Button3);
    wizard.InstallPathField->setText(QString::fromStdString(root));
    EXPECT_FALSE(wizard.VersionChoice->isHidden());
    click(wizard.Button3);
    click(wizard.RadioButton3);
    EXPECT_FALSE(wizard.GroupBox1->isHidden());
    wizard.CustomGroList->setPlainText("Gone.gro\n\nBin\n");
    click(wizard.Button3);
    EXPECT_EQ(dialogs.shown,
              (Names{"Please select a valid installation folder.", "Please select a valid installation folder.",
                     "Please select the type of your Serious Sam installation.",
                     "Please choose at least one valid GRO file"}));
    EXPECT_TRUE(onlyTabVisible(2));
    EXPECT_EQ(state.InstallRoot, "");
    click(wizard.RadioButton2);
    EXPECT_TRUE(wizard.GroupBox1->isHidden());
}

TEST_F(SetupWizardTest, FolderPickerAddsTheSeparatorAndRejectsOtherFolders) {
    open();
    click(wizard.Button1);
    // Enter in the field opens no picker.
    QTest::keyClick(wizard.InstallPathField, Qt::Key_Return);
    EXPECT_TRUE(dialogs.folderRequests.empty());
    dialogs.folderAnswers = {(install.path() / "Bin").string(), std::nullopt, install.path().string()};
    click(wizard.Button2);
    ASSERT_EQ(dialogs.folderRequests.size(), 1u);
    EXPECT_EQ(dialogs.shown, Names{kNotAnInstallation});
    EXPECT_TRUE(wizard.VersionChoice->isHidden());

    click(wizard.Button2);
    EXPECT_EQ(dialogs.folderRequests[1].initialFolder, (install.path() / "Bin").string() + "/");
    click(wizard.Button2);
    EXPECT_EQ(wizard.InstallPathField->text().toStdString(), root);
    EXPECT_FALSE(wizard.VersionChoice->isHidden());
    EXPECT_EQ(dialogs.shown.size(), 1u);
}

TEST_F(SetupWizardTest, ALaterEditionFoundIsListedUnderOther) {
    std::filesystem::copy_file(install.path() / "SE1_00.gro", install.path() / "SE1_10.gro");
    state.InstallRoot = root;
    open();
    wizard.showOnlyPage(2);
    EXPECT_EQ(wizard.versionIndex(), 2);
    EXPECT_FALSE(wizard.GroupBox1->isHidden());
    Names archives = presetArchives(GamePreset::SecondEncounter107);
    archives.push_back("SE1_10.gro");
    EXPECT_EQ(wizard.CustomGroList->toPlainText().toStdString(), joinLines(archives));
    EXPECT_EQ(wizard.EditionLabel->text(), "Found The Second Encounter v1.10.");
    click(wizard.Button3);
    EXPECT_EQ(loading.Label3->text(), "7 out of 7");
}

TEST_F(SetupWizardTest, CustomListWithAMissingArchiveListsTheOtherAndStoresBothNames) {
    reachPage3(wizard.RadioButton3, "Base.gro\nMissing.gro\n");
    EXPECT_EQ(wizard.WizardItems.names(), (Names{"Textures\\Wall.tex", "Models\\Item.mdl", "Read.txt"}));
    EXPECT_EQ(dialogs.shown, Names{kSomeGrosMissing});
    // Back to page 2 and on again rebuilds the list, restoring unchecked entries.
    wizard.WizardStandardList->toggleCheck(0);
    click(wizard.Button5);
    EXPECT_TRUE(onlyTabVisible(2));
    click(wizard.Button3);
    EXPECT_EQ(wizard.WizardItems.checkedCount(), 3);
    click(wizard.Button6);
    EXPECT_EQ(cacheLines("KVN_gros.dat"), (Names{"Base.gro", "Missing.gro"}));
}

TEST_F(SetupWizardTest, BackFromPageFourKeepsTheListAndSavesAgain) {
    reachPage3(wizard.RadioButton3, "Base.gro");
    install.write("Maps/Own.wld", "");
    dialogs.openAnswers = {{(install.path() / "Maps/Own.wld").string()}};
    click(wizard.Button4);
    wizard.WizardStandardList->toggleCheck(0);
    click(wizard.Button6);
    EXPECT_EQ(settings.writes, 1);

    click(wizard.Button7);
    EXPECT_TRUE(onlyTabVisible(3));
    EXPECT_FALSE(wizard.KeepStandardList);
    EXPECT_EQ(wizard.WizardItems.names(),
              (Names{"Textures\\Wall.tex", "Models\\Item.mdl", "Read.txt", "Maps\\Own.wld"}));
    EXPECT_FALSE(wizard.WizardItems.checked(0));

    click(wizard.Button6);
    EXPECT_EQ(settings.writes, 2);
    EXPECT_EQ(cacheLines("KVN_files.dat"), (Names{"Models\\Item.mdl", "Read.txt", "Maps\\Own.wld"}));

    // Once saved, closing from any page leads to the main window.
    click(wizard.Button7);
    wizard.close();
    EXPECT_FALSE(mainWindow.isHidden());
    EXPECT_EQ(mainWindow.closes, 0);
}

TEST_F(SetupWizardTest, ClosingBeforeSavingEndsTheProgramAndStoresNothing) {
    reachPage3(wizard.RadioButton1);
    wizard.close();
    EXPECT_EQ(mainWindow.closes, 1);
    EXPECT_EQ(settings.writes, 0);
    EXPECT_FALSE(cacheFolderExists());
    EXPECT_TRUE(state.StandardFiles.empty());
}

TEST_F(SetupWizardTest, FailedSaveLeavesTheWizardUnsavedSoFinishingEndsTheProgram) {
    settings.failWrites = true;
    reachPage3(wizard.RadioButton3, "Base.gro");
    click(wizard.Button6);
    EXPECT_EQ(dialogs.shown, Names{"Failed to set data for 'SSPath15'"});
    EXPECT_FALSE(wizard.SettingsSaved);
    click(wizard.Button8);
    EXPECT_EQ(mainWindow.closes, 1);
}

} // namespace
} // namespace korvane
