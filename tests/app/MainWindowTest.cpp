#include "AppFixture.h"

#include "platform/qt/CheckListBox.h"
#include "settings/windows/TForm2.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <cstdlib>
#include <vector>

namespace korvane::testing {
namespace {

// The main window as the program builds it, with the start-up check already past.
class MainWindow : public AppFixture {
protected:
    TForm1* main = nullptr;
    void SetUp() override {
        main = &start();
        main->Timer1->stop();
    }
    std::vector<int> visibleTabs() const {
        std::vector<int> visible;
        for (int index = 0; index < main->PageControl1->count(); ++index) {
            if (main->PageControl1->isTabVisible(index)) {
                visible.push_back(index);
            }
        }
        return visible;
    }
};

TEST_F(MainWindow, HasAFixedFrameWithoutMaximiseAndTheClientAreaOfTheLayout) {
    EXPECT_EQ(main->windowTitle(), "Korvane v1.5 =РУССКАЯ ВЕРСИЯ=");
    EXPECT_EQ(main->minimumSize(), main->maximumSize());
    EXPECT_FALSE(main->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(main->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(main->windowFlags() & Qt::WindowSystemMenuHint);
    EXPECT_EQ(main->width(), 561);
    EXPECT_EQ(main->height() - main->menuBar()->height(), 451);
    EXPECT_EQ(main->pos(), QPoint(180, 96));
    EXPECT_EQ(main->Timer1->interval(), 1);
    EXPECT_TRUE(main->Timer1->isSingleShot());
    EXPECT_EQ(main->Timer2->interval(), 5000);
    EXPECT_TRUE(main->Timer2->isActive());
    EXPECT_EQ(main->NoticeIndex, 0);
    EXPECT_TRUE(main->StatusBar1->currentMessage().isEmpty());
}

TEST_F(MainWindow, OpensShowingOnlyTheEmptyPanelMenuAndStatusBar) {
    EXPECT_TRUE(main->Panel1->isVisible());
    EXPECT_EQ(main->Panel1->frameShadow(), QFrame::Sunken);
    EXPECT_FALSE(main->PageControl1->isVisible());
    EXPECT_TRUE(visibleTabs().empty());
    EXPECT_TRUE(main->StatusBar1->isVisible());
}

TEST_F(MainWindow, MenuHasEveryItemWithItsCaption) {
    const std::vector<std::pair<QAction*, QString>> items = {
        {main->New1, "&Новый .GRO архив"}, {main->Exit1, "В&ыход"},
        {main->Options1, "&Настройки"},    {main->ConvertWLDversion1, "Конвертировать карту из версии К1.50b в 1.07"},
        {main->About1, "&О программе..."}, {main->Bugreports1, "&Сообщить об ошибке"},
    };
    for (const auto& [action, caption] : items) {
        EXPECT_EQ(action->text(), caption);
        EXPECT_EQ(main->findChild<QAction*>(action->objectName()), action);
    }
    EXPECT_TRUE(main->N1->isSeparator());
    QStringList titles;
    for (QAction* menu : main->menuBar()->actions()) {
        titles << menu->text();
    }
    EXPECT_EQ(titles, QStringList({"&Файл", "&Настройки", "&Дополнительно", "&Помощь"}));
}

TEST_F(MainWindow, StepPagesHoldTheirControlsWithCaptionsAndSizes) {
    EXPECT_EQ(main->PageControl1->tabText(0), "Список карт");
    EXPECT_EQ(main->PageControl1->tabText(1), "Список файлов");
    EXPECT_EQ(main->PageControl1->tabText(2), "Компиляция");
    EXPECT_EQ(main->PageControl1->font().family(), "Verdana");
    EXPECT_EQ(main->PageControl1->font().pointSize(), 8);
    for (QLabel* title : {main->Label2, main->Label3, main->Label5}) {
        EXPECT_EQ(title->font().pointSize(), 14);
        EXPECT_TRUE(title->font().bold());
        EXPECT_EQ(title->font().family(), "Verdana");
    }
    EXPECT_EQ(main->Label2->text(), "Шаг 1.");
    EXPECT_EQ(main->Label3->text(), "Шаг 2.");
    EXPECT_EQ(main->Label5->text(), "Щаг 3.");
    EXPECT_EQ(main->Label7->text(), "Путь");
    EXPECT_EQ(main->MapList->size(), QSize(521, 281));
    EXPECT_EQ(main->FileList->size(), QSize(521, 249));
    EXPECT_EQ(&main->MapList->list(), &main->MapItems);
    EXPECT_EQ(&main->FileList->list(), &main->FileItems);
    EXPECT_EQ(main->DestinationPath->width(), 449);
    EXPECT_EQ(main->PackingLog->size(), QSize(521, 233));
    EXPECT_TRUE(main->PackingLog->isReadOnly());
    EXPECT_EQ(main->PackingLog->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_EQ(main->PackingLog->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);

    const std::vector<std::pair<QPushButton*, QString>> buttons = {
        {main->Button1, "Добавить..."}, {main->Button2, "Далее >>"}, {main->Button6, "Рассортировать"},
        {main->Button3, "Добавить..."}, {main->Button5, "<< Назад"}, {main->Button4, "Next >>"},
        {main->Button9, "Выбрать"},     {main->Button8, "<< Назад"}, {main->Button7, "Финиш"},
    };
    for (const auto& [button, caption] : buttons) {
        EXPECT_EQ(button->text(), caption);
        EXPECT_EQ(main->findChild<QPushButton*>(button->objectName()), button);
    }
    // Bottom left and bottom right of each page; the sort and add buttons right under the file list.
    EXPECT_LT(main->Button1->x(), main->Button2->x());
    EXPECT_EQ(main->Button1->y(), main->Button2->y());
    EXPECT_GT(main->Button1->y(), main->MapList->geometry().bottom());
    EXPECT_EQ(main->Button6->y(), main->Button3->y());
    EXPECT_LT(main->Button6->y(), main->Button5->y());
    EXPECT_GT(main->Button6->y(), main->FileList->geometry().bottom());
    EXPECT_LE(std::abs(main->Button9->geometry().center().y() - main->DestinationPath->geometry().center().y()), 2);
    EXPECT_GT(main->Button9->x(), main->DestinationPath->geometry().right());
}

TEST_F(MainWindow, OnlyOneTabIsEverVisibleAndItIsTheActivePage) {
    main->PageControl1->show();
    const QWidget* pages[] = {main->TabSheet1, main->TabSheet2, main->TabSheet3};
    for (int step : {2, 0, 1, 1, 2}) {
        main->showStep(step);
        EXPECT_EQ(visibleTabs(), std::vector<int>{step});
        EXPECT_EQ(main->PageControl1->currentWidget(), pages[step]);
    }
}

TEST_F(MainWindow, NewAtStepThreeReturnsToAnEmptyStepOneAndKeepsTheFileList) {
    main->New1->trigger();
    main->MapItems.append("Levels\\A.wld");
    main->FileItems.append("Textures\\A.tex");
    main->showStep(2);
    main->DestinationPath->setText("/tmp/out.gro");
    main->PackingLog->setPlainText("Checking file path... Exists.");

    main->New1->trigger();
    EXPECT_EQ(visibleTabs(), std::vector<int>{0});
    EXPECT_EQ(main->PageControl1->currentWidget(), main->TabSheet1);
    EXPECT_TRUE(main->MapItems.empty());
    EXPECT_EQ(main->MapList->model()->rowCount(), 0);
    EXPECT_TRUE(main->DestinationPath->text().isEmpty());
    EXPECT_EQ(main->FileItems.names(), std::vector<std::string>{"Textures\\A.tex"});
    EXPECT_EQ(main->PackingLog->toPlainText(), "Checking file path... Exists.");
}

TEST_F(MainWindow, OptionsOpensTheDialogCentredAndLeavesTheMainWindowUsable) {
    main->Options1->trigger();
    ASSERT_TRUE(windows->form2->isVisible());
    EXPECT_EQ(windows->form2->frameGeometry().topLeft(), centredPosition(*windows->form2, *main));
    EXPECT_TRUE(main->isEnabled());
    EXPECT_TRUE(main->isVisible());
}

TEST_F(MainWindow, ExitClosesTheProgramAtOnceEvenWithAnotherWindowOpen) {
    quitWhenClosed(*main);
    main->Options1->trigger();
    bool timedOut = false;
    QTimer failSafe;
    failSafe.setSingleShot(true);
    QObject::connect(&failSafe, &QTimer::timeout, [&timedOut] {
        timedOut = true;
        QCoreApplication::quit();
    });
    failSafe.start(5000);
    QTimer::singleShot(0, main->Exit1, &QAction::trigger);
    QCoreApplication::exec();
    EXPECT_FALSE(timedOut);
    EXPECT_FALSE(main->isVisible());
    EXPECT_TRUE(dialogs.shown.empty());
}

} // namespace
} // namespace korvane::testing
