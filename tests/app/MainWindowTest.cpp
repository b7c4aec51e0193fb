#include "AppFixture.h"

#include "platform/qt/CheckListBox.h"
#include "settings/windows/TForm2.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTimer>

namespace korvane::testing {
namespace {

class MainWindow : public AppFixture {
protected:
    TForm1* main = nullptr;
    void SetUp() override { main = &startConfigured(); }
};

TEST_F(MainWindow, EveryControlHasItsCaption) {
    const std::vector<std::pair<const char*, QString>> captions = {
        {"New1", "&Новый .GRO архив"}, {"Exit1", "В&ыход"},
        {"Options1", "&Настройки"},    {"ConvertWLDversion1", "Конвертировать карту из версии К1.50b в 1.07"},
        {"About1", "&О программе..."}, {"Bugreports1", "&Сообщить об ошибке"},
        {"Label2", "Шаг 1."},          {"Label3", "Шаг 2."},
        {"Label5", "Щаг 3."},          {"Label7", "Путь"},
        {"Button1", "Добавить..."},    {"Button2", "Далее >>"},
        {"Button6", "Рассортировать"}, {"Button3", "Добавить..."},
        {"Button5", "<< Назад"},       {"Button4", "Next >>"},
        {"Button9", "Выбрать"},        {"Button8", "<< Назад"},
        {"Button7", "Финиш"},
    };
    for (const auto& [name, caption] : captions) {
        const QObject* control = main->findChild<QObject*>(name);
        ASSERT_NE(control, nullptr) << name;
        const auto* action = qobject_cast<const QAction*>(control);
        const auto* label = qobject_cast<const QLabel*>(control);
        const QString text = action  ? action->text()
                             : label ? label->text()
                                     : qobject_cast<const QAbstractButton*>(control)->text();
        EXPECT_EQ(text, caption) << name;
    }
    EXPECT_TRUE(main->N1->isSeparator());
    QStringList titles;
    for (QAction* menu : main->menuBar()->actions()) {
        titles << menu->text();
    }
    EXPECT_EQ(titles, QStringList({"&Файл", "&Настройки", "&Дополнительно", "&Помощь"}));
    EXPECT_EQ(main->windowTitle(), "Korvane v1.5 =РУССКАЯ ВЕРСИЯ=");
    const QStringList tabs{"Список карт", "Список файлов", "Компиляция"};
    for (int index = 0; index < 3; ++index) {
        EXPECT_EQ(main->PageControl1->tabText(index), tabs[index]);
    }
}

TEST_F(MainWindow, OpensFixedInSizeWithOnlyTheEmptyPanel) {
    EXPECT_EQ(main->minimumSize(), main->maximumSize());
    EXPECT_FALSE(main->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(main->PackingLog->isReadOnly());
    EXPECT_TRUE(main->Panel1->isVisible());
    EXPECT_FALSE(main->PageControl1->isVisible());
    EXPECT_EQ(visibleStep(*main), -1);
    EXPECT_TRUE(main->StatusBar1->currentMessage().isEmpty());
}

TEST_F(MainWindow, NewAtStepThreeReturnsToAnEmptyStepOneAndKeepsTheFileList) {
    main->New1->trigger();
    main->MapItems.append("Levels\\A.wld");
    main->FileItems.append("Textures\\A.tex");
    main->showStep(2);
    EXPECT_EQ(visibleStep(*main), 2);
    main->DestinationPath->setText("/tmp/out.gro");
    main->PackingLog->setPlainText("Checking file path... Exists.");

    main->New1->trigger();
    EXPECT_EQ(visibleStep(*main), 0);
    EXPECT_TRUE(main->MapItems.empty());
    EXPECT_TRUE(main->DestinationPath->text().isEmpty());
    EXPECT_EQ(main->FileItems.names(), Names{"Textures\\A.tex"});
    EXPECT_EQ(main->PackingLog->toPlainText(), "Checking file path... Exists.");
}

TEST_F(MainWindow, OptionsOpensTheDialogCentredAndLeavesTheMainWindowUsable) {
    main->Options1->trigger();
    ASSERT_TRUE(windows->form2->isVisible());
    EXPECT_EQ(windows->form2->frameGeometry().topLeft(), centredPosition(*windows->form2, *main));
    EXPECT_TRUE(main->isEnabled());
}

TEST_F(MainWindow, ExitClosesTheProgramAtOnceEvenWithAnotherWindowOpen) {
    quitWhenClosed(*main);
    main->Options1->trigger();
    bool timedOut = false;
    QTimer failSafe; // dies with the test, unlike a free single shot
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
