#include "platform/qt/CheckListBox.h"

#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace korvane {
namespace {

QString shown(CheckListBox& box, int row) {
    return box.model()->index(row, 0).data(Qt::DisplayRole).toString();
}
QVariant mark(CheckListBox& box, int row) {
    return box.model()->index(row, 0).data(Qt::CheckStateRole);
}
int rows(CheckListBox& box) {
    return box.model()->rowCount();
}

QPoint checkBoxCentre(CheckListBox& box, int row) {
    QStyleOptionViewItem option;
    option.initFrom(&box);
    option.rect = box.visualRect(box.model()->index(row, 0));
    option.features = QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay;
    return box.style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, &box).center();
}

TEST(CheckListBox, ShowsTheListAndFollowsItsChanges) {
    NameList list;
    list.append("Textures\\Wall.tex");
    list.append("Models\\Tree.mdl", false);
    CheckListBox box(list, true, nullptr);
    ASSERT_EQ(rows(box), 2);
    EXPECT_EQ(shown(box, 0), "Textures\\Wall.tex");
    EXPECT_EQ(mark(box, 0), Qt::Checked);
    EXPECT_EQ(mark(box, 1), Qt::Unchecked);

    list.append("Текстуры\\Стена.tex");
    EXPECT_EQ(rows(box), 3);
    EXPECT_EQ(shown(box, 2), QString::fromUtf8("Текстуры\\Стена.tex"));
    list.removeAt(0);
    EXPECT_EQ(rows(box), 2);
    EXPECT_EQ(shown(box, 0), "Models\\Tree.mdl");
    list.setChecked(0, true);
    EXPECT_EQ(mark(box, 0), Qt::Checked);
    list.move(1, 0);
    EXPECT_EQ(shown(box, 1), "Models\\Tree.mdl");
    list.clear();
    EXPECT_EQ(rows(box), 0);
}

TEST(CheckListBox, RepaintsOnceAfterASuspendedBulkChange) {
    NameList list;
    list.append("first");
    CheckListBox box(list, true, nullptr);
    QSignalSpy inserted(box.model(), &QAbstractItemModel::rowsInserted);
    QSignalSpy reset(box.model(), &QAbstractItemModel::modelReset);
    list.beginUpdate();
    list.clear();
    for (int i = 0; i < 20000; ++i) {
        list.append("Name" + std::to_string(i));
    }
    // The view still sees the old rows, and reading them is safe.
    EXPECT_EQ(rows(box), 1);
    EXPECT_EQ(shown(box, 0), "Name0");
    list.endUpdate();
    EXPECT_EQ(inserted.count(), 0);
    EXPECT_EQ(reset.count(), 1);
    EXPECT_EQ(rows(box), 20000);

    list.beginUpdate();
    list.clear();
    EXPECT_TRUE(shown(box, 5).isEmpty()); // rows the list no longer has read as nothing
    list.endUpdate();
    EXPECT_EQ(rows(box), 0);
}

TEST(CheckListBox, UserTogglesAMarkByClickOrSpace) {
    NameList list;
    list.assign({"a.tex", "b.tex", "c.tex"}, true);
    CheckListBox box(list, true, nullptr);
    box.resize(300, 200);
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    QSignalSpy clicks(&box, &CheckListBox::clickCheck);

    QTest::mouseClick(box.viewport(), Qt::LeftButton, {}, checkBoxCentre(box, 1));
    EXPECT_FALSE(list.checked(1));
    ASSERT_EQ(clicks.count(), 1);
    EXPECT_EQ(clicks.takeFirst().at(0).toInt(), 1);

    box.setCurrentIndex(box.model()->index(2, 0));
    QTest::keyClick(&box, Qt::Key_Space);
    EXPECT_FALSE(list.checked(2));
    ASSERT_EQ(clicks.count(), 1);
    EXPECT_EQ(clicks.takeFirst().at(0).toInt(), 2);

    box.toggleCheck(2);
    EXPECT_TRUE(list.checked(2));
    EXPECT_EQ(clicks.count(), 1);
    box.toggleCheck(7); // out of range: nothing
    EXPECT_EQ(clicks.count(), 1);
}

TEST(CheckListBox, PlainListHasNoMarksToToggle) {
    NameList list;
    list.assign({"SE1_00.gro"}, false);
    CheckListBox box(list, false, nullptr);
    QSignalSpy clicks(&box, &CheckListBox::clickCheck);
    EXPECT_FALSE(mark(box, 0).isValid());
    EXPECT_FALSE(box.model()->flags(box.model()->index(0, 0)) & Qt::ItemIsUserCheckable);
    box.toggleCheck(0);
    EXPECT_FALSE(list.checked(0));
    EXPECT_EQ(clicks.count(), 0);
}

TEST(CheckListBox, TheListOutlivesItsControl) {
    NameList list;
    {
        auto box = std::make_unique<CheckListBox>(list, true, nullptr);
        list.append("a");
    }
    list.append("b"); // no control listens any more
    list.removeAt(0);
    EXPECT_EQ(list.names(), std::vector<std::string>{"b"});
}

} // namespace
} // namespace korvane
