#include "AppFixture.h"

#include "platform/qt/CheckListBox.h"
#include "settings/windows/TForm2.h"

#include <QAction>
#include <QIcon>
#include <QLineEdit>
#include <QPixmap>
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

TEST_F(MainWindow, OpensFixedInSizeWithOnlyTheEmptyPanel) {
    EXPECT_EQ(main->minimumSize(), main->maximumSize());
    EXPECT_FALSE(main->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(main->PackingLog->isReadOnly());
    EXPECT_TRUE(main->Panel1->isVisible());
    EXPECT_FALSE(main->PageControl1->isVisible());
    EXPECT_EQ(visibleStep(*main), -1);
    EXPECT_TRUE(main->StatusBar1->currentMessage().isEmpty());
    // Run from the build folder, with no icon theme installed, the title bar still gets Korvane's icon.
    EXPECT_EQ(programIcon().pixmap(48).width(), 48);
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

TEST_F(MainWindow, OptionsOpensCentredAndExitClosesTheProgramAtOnceEvenWithItOpen) {
    quitWhenClosed(*main);
    main->Options1->trigger();
    ASSERT_TRUE(windows->form2->isVisible());
    EXPECT_EQ(windows->form2->frameGeometry().topLeft(), centredPosition(*windows->form2, *main));
    EXPECT_TRUE(main->isEnabled());
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
