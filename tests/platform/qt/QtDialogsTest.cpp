#include "platform/qt/QtDialogs.h"

#include "support/TempDir.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

namespace korvane {
namespace {

using testing::TempDir;

// Answers the next modal dialog once it is up, as a user would.
void whenDialogShows(std::function<void(QWidget*)> answer) {
    QTimer::singleShot(10, [answer = std::move(answer)]() mutable {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            answer(dialog);
        } else {
            whenDialogShows(std::move(answer));
        }
    });
}

struct SeenBox {
    QString caption, text;
    QMessageBox::Icon icon = QMessageBox::Warning;
    QMessageBox::StandardButtons buttons;
    QWidget* owner = nullptr;
    int textWidth = 0;
};

void pressButton(QMessageBox::StandardButton button, SeenBox& seen) {
    whenDialogShows([button, &seen](QWidget* widget) {
        auto* box = qobject_cast<QMessageBox*>(widget);
        ASSERT_NE(box, nullptr);
        seen = {box->windowTitle(),     box->text(),         box->icon(),
                box->standardButtons(), box->parentWidget(), box->findChild<QLabel*>("qt_msgbox_label")->width()};
        box->button(button)->click();
    });
}

TEST(QtDialogs, MessagesAndQuestionsUseTheirCaptionsAndButtons) {
    QWidget owner;
    QtDialogs dialogs(&owner);
    SeenBox seen;

    pressButton(QMessageBox::Ok, seen);
    dialogs.showMessage("Cannot open file C:\\x.wld\nSecond line");
    EXPECT_EQ(seen.caption, "Korvane");
    EXPECT_EQ(seen.text, "Cannot open file C:\\x.wld\nSecond line");
    EXPECT_EQ(seen.icon, QMessageBox::NoIcon);
    EXPECT_EQ(seen.buttons, QMessageBox::Ok);
    EXPECT_EQ(seen.owner, &owner);
    // A line is never wrapped mid-sentence, and even a short message leaves room for its caption.
    const QString line = "It might become necessary if you have accidentally made your map in 150 although";
    pressButton(QMessageBox::Ok, seen);
    dialogs.showMessage(line.toStdString() + "\nyou meant to release it in 107.");
    EXPECT_GE(seen.textWidth, QFontMetrics(QApplication::font()).horizontalAdvance(line));
    pressButton(QMessageBox::Ok, seen);
    dialogs.showMessage("Done.");
    EXPECT_GE(seen.textWidth, 200);

    pressButton(QMessageBox::Yes, seen);
    EXPECT_TRUE(dialogs.askYesNo("Открыть папку?"));
    EXPECT_EQ(seen.caption, "Korvane v1.5");
    EXPECT_EQ(seen.text, QString::fromUtf8("Открыть папку?"));
    EXPECT_EQ(seen.buttons, QMessageBox::Yes | QMessageBox::No);
    pressButton(QMessageBox::No, seen);
    EXPECT_FALSE(dialogs.askYesNo("Again?"));

    pressButton(QMessageBox::Ok, seen);
    EXPECT_TRUE(dialogs.askOkCancel("Go on?"));
    EXPECT_EQ(seen.caption, "Korvane v1.5");
    EXPECT_EQ(seen.icon, QMessageBox::NoIcon);
    EXPECT_EQ(seen.buttons, QMessageBox::Ok | QMessageBox::Cancel);
    pressButton(QMessageBox::Cancel, seen);
    EXPECT_FALSE(dialogs.askOkCancel("Go on?"));
}

TEST(QtDialogs, OpenDialogStartsInTheFolderAndReturnsEveryChosenFile) {
    TempDir dir;
    dir.write("Levels/a.wld", "x");
    dir.write("Levels/b.wld", "x");
    QWidget owner;
    QtDialogs dialogs(&owner);
    QStringList filters;
    QString folder;
    whenDialogShows([&](QWidget* widget) {
        auto* dialog = qobject_cast<QFileDialog*>(widget);
        ASSERT_NE(dialog, nullptr);
        filters = dialog->nameFilters();
        folder = dialog->directory().absolutePath();
        EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFiles);
        dialog->findChild<QLineEdit*>("fileNameEdit")->setText("\"a.wld\" \"b.wld\"");
        static_cast<QDialog*>(dialog)->accept();
    });
    const auto chosen = dialogs.openFiles({"Карта*.wld|*.wld", (dir.path() / "Levels").string(), true, true});
    EXPECT_EQ(filters, QStringList{QString::fromUtf8("Карта*.wld (*.wld)")});
    EXPECT_EQ(nativePath(folder), (dir.path() / "Levels").string());
    EXPECT_EQ(chosen, (std::vector<std::string>{(dir.path() / "Levels" / "a.wld").string(),
                                                (dir.path() / "Levels" / "b.wld").string()}));

    whenDialogShows([](QWidget* widget) { qobject_cast<QDialog*>(widget)->reject(); });
    EXPECT_TRUE(dialogs.openFiles({"*.*|*.*", dir.path().string(), true, false}).empty());
}

TEST(QtDialogs, SaveDialogAsksBeforeOverwritingAndNeedsAnExistingFolder) {
    TempDir dir;
    QWidget owner;
    QtDialogs dialogs(&owner);
    bool confirms = false;
    bool refused = false;
    QString warning;
    whenDialogShows([&](QWidget* widget) {
        auto* dialog = qobject_cast<QFileDialog*>(widget);
        ASSERT_NE(dialog, nullptr);
        confirms = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
        whenDialogShows([&](QWidget* box) {
            warning = qobject_cast<QMessageBox*>(box)->text();
            qobject_cast<QDialog*>(box)->reject();
        });
        auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
        name->setText(QString::fromStdString(dir.root() + "no such folder/map.gro"));
        static_cast<QDialog*>(dialog)->accept();
        refused = dialog->isVisible();
        name->setText(QString::fromStdString(dir.root() + "map.gro"));
        static_cast<QDialog*>(dialog)->accept();
    });
    EXPECT_EQ(dialogs.saveFile({"GRO|*.gro", dir.path().string(), true}), (dir.path() / "map.gro").string());
    EXPECT_TRUE(confirms);
    EXPECT_TRUE(refused);
    EXPECT_TRUE(warning.contains("no such folder")) << warning.toStdString();
}

TEST(QtDialogs, FolderPickerGivesTheFolderWithoutTrailingSeparator) {
    TempDir dir;
    std::filesystem::create_directory(dir.path() / "Serious Sam");
    QWidget owner;
    QtDialogs dialogs(&owner);
    QString caption;
    whenDialogShows([&](QWidget* widget) {
        auto* dialog = qobject_cast<QFileDialog*>(widget);
        ASSERT_NE(dialog, nullptr);
        caption = dialog->windowTitle();
        // Typed, as selectFile leaves a focused name field alone.
        dialog->findChild<QLineEdit*>("fileNameEdit")->setText(QString::fromStdString(dir.root() + "Serious Sam"));
        static_cast<QDialog*>(dialog)->accept();
    });
    const auto folder = dialogs.pickFolder({"Выбор папки", "Пожалуйста, выберите папку...", dir.root()});
    EXPECT_EQ(caption, QString::fromUtf8("Выбор папки"));
    EXPECT_EQ(folder, (dir.path() / "Serious Sam").string());

    whenDialogShows([](QWidget* widget) { qobject_cast<QDialog*>(widget)->reject(); });
    EXPECT_EQ(dialogs.pickFolder({"t", "s", dir.root()}), std::nullopt);
    EXPECT_EQ(folderWithoutTrailingSeparator("/games/ss///"), "/games/ss");
    EXPECT_EQ(folderWithoutTrailingSeparator("/"), "/");
    EXPECT_EQ(folderWithoutTrailingSeparator("C:\\Games\\SS\\"), "C:\\Games\\SS");
    EXPECT_EQ(folderWithoutTrailingSeparator("C:\\"), "C:\\");
}

} // namespace
} // namespace korvane
