#include "app/ArchiveViewer.h"

#include "../settings/ListingFixture.h"

#include "app/Translations.h"
#include "platform/Terminal.h"
#include "support/TempDir.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTranslator>
#include <gtest/gtest.h>

namespace korvane::testing {
namespace {

QStringList shownMembers(const ArchiveViewer& viewer) {
    QStringList names;
    for (int row = 0; row < viewer.Members->count(); ++row) {
        names << viewer.Members->item(row)->text();
    }
    return names;
}

TEST(ArchiveViewer, ListsTheMembersReadOnlyAndChecksOnRequest) {
    TempDir dir;
    const std::string archive = dir.root() + "Map.gro";
    makeArchives({{archive, {"Textures/Wall.tex", "Music/Theme.ogg"}}});
    AppState installation;
    installation.InstallRoot = dir.root();
    installation.StandardFiles.append("Textures\\Wall.tex");
    ArchiveViewer viewer(archive, &installation);
    EXPECT_EQ(viewer.windowTitle(), "Map.gro - Korvane v1.5");
    EXPECT_EQ(shownMembers(viewer), (QStringList{"Textures\\Wall.tex", "Music\\Theme.ogg"}));
    EXPECT_EQ(viewer.Members->editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_TRUE(viewer.CheckResult->toPlainText().isEmpty());
    // A member that only bears a texture's name has no picture; other members show nothing.
    viewer.Members->setCurrentRow(0);
    EXPECT_EQ(viewer.Preview->text(), "no preview");
    viewer.Members->setCurrentRow(1);
    EXPECT_TRUE(viewer.Preview->text().isEmpty());

    QTest::mouseClick(viewer.CheckButton, Qt::LeftButton);
    const QStringList warnings = viewer.CheckResult->toPlainText().split('\n');
    ASSERT_EQ(warnings.size(), 2);
    EXPECT_TRUE(warnings[0].startsWith("Warning:") && warnings[1].startsWith("Warning:"));

    makeArchives({{dir.path() / "Clean.gro", {"Sounds/Step.wav"}}});
    ArchiveViewer clean(dir.root() + "Clean.gro", nullptr);
    QTest::mouseClick(clean.CheckButton, Qt::LeftButton);
    EXPECT_EQ(clean.CheckResult->toPlainText(), "No problems found.");
}

TEST(ArchiveViewer, AnArchiveThatCannotBeReadSaysWhyAndOffersNoCheck) {
    TempDir dir;
    dir.write("Broken.gro", "not an archive");
    ArchiveViewer viewer(dir.root() + "Broken.gro", nullptr);
    EXPECT_EQ(viewer.Members->count(), 0);
    EXPECT_EQ(viewer.CheckResult->toPlainText(), "Archiver: Archive is damaged. Open failed - Native error: 00048");
    EXPECT_FALSE(viewer.CheckButton->isEnabled());
}

TEST(ArchiveViewer, OnlyAPathOpensIt) {
    EXPECT_TRUE(isArchiveToView("Map.gro"));
    EXPECT_TRUE(isArchiveToView("/home/me/maps/Castle"));
    EXPECT_FALSE(isArchiveToView("list"));
    EXPECT_FALSE(isArchiveToView("--help"));
}

TEST(ToolkitTranslation, StandardButtonsSpeakRussianAndOwnTextsStay) {
    QTranslator translator;
    ASSERT_TRUE(installToolkitTranslation(translator));
    QDialogButtonBox buttons(QDialogButtonBox::Cancel | QDialogButtonBox::Yes);
    EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text(), "Отмена");
    EXPECT_EQ(buttons.button(QDialogButtonBox::Yes)->text().remove('&'), "Да");
    QPushButton own("Выбрать");
    EXPECT_EQ(own.text(), "Выбрать");
    QCoreApplication::removeTranslator(&translator);
    QLocale::setDefault(QLocale::c());
}

} // namespace
} // namespace korvane::testing
