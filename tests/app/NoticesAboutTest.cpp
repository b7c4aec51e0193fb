#include "AppFixture.h"

#include "app/Notices.h"
#include "app/TForm7.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>

namespace korvane::testing {
namespace {

class Notices : public AppFixture {
protected:
    TForm1* main = nullptr;
    void SetUp() override {
        main = &start();
        main->Timer1->stop();
    }
    std::string tick() {
        main->Timer2Timer();
        return main->StatusBar1->currentMessage().toStdString();
    }
};

TEST_F(Notices, CycleOverSixteenTicksWithEachNoticeShownTwice) {
    std::vector<std::string> bar;
    for (int i = 1; i <= 17; ++i) {
        bar.push_back(tick());
    }
    const std::string n1 = noticeForTick(1), n2 = noticeForTick(4), n3 = noticeForTick(7), n4 = noticeForTick(10),
                      n5 = noticeForTick(13);
    const std::vector<std::string> expected = {n1, n1, "", n2, n2, "", n3, n3, "", n4, n4, "", n5, n5, "", "", n1};
    EXPECT_EQ(bar, expected);
    EXPECT_EQ(main->NoticeIndex, 1);
    // Five different notices, each about what its place in the cycle promises.
    EXPECT_NE(n1.find("Korvane v1.5"), std::string::npos);
    EXPECT_NE(n2.find(kBugReportAddress), std::string::npos);
    EXPECT_NE(n3.find("zlib"), std::string::npos);
    EXPECT_NE(n4.find("trademark of Croteam"), std::string::npos);
    EXPECT_NE(n5.find("Serious Sam news"), std::string::npos);
}

TEST_F(Notices, KeepCyclingWhileTheMainWindowIsHiddenOrDisabled) {
    main->hide();
    EXPECT_EQ(tick(), noticeForTick(1));
    main->show();
    main->setEnabled(false);
    EXPECT_EQ(tick(), noticeForTick(2));
}

TEST_F(Notices, AboutBoxIsLaidOutWithItsCaptionTitleAndCentredCredits) {
    TForm7& about = *windows->form7;
    EXPECT_EQ(about.windowTitle(), "О программе...");
    EXPECT_EQ(about.size(), QSize(282, 353));
    EXPECT_EQ(about.Image1->size(), QSize(33, 33));
    EXPECT_FALSE(about.Image1->pixmap().isNull());
    EXPECT_EQ(about.Label1->text(), "Korvane v1.5 =RUS=");
    EXPECT_EQ(about.Label1->font().pixelSize(), 19);
    EXPECT_LT(about.Image1->geometry().right(), about.Label1->x());
    EXPECT_LT(about.Label1->y(), about.Label2->y());
    EXPECT_GT(about.Memo1->y(), about.Label2->geometry().bottom());
    EXPECT_TRUE(about.Memo1->isReadOnly());
    EXPECT_EQ(about.Memo1->document()->firstBlock().blockFormat().alignment(), Qt::AlignHCenter);
    EXPECT_EQ(about.Memo1->document()->lastBlock().blockFormat().alignment(), Qt::AlignHCenter);
}

TEST_F(Notices, AboutBoxOpensCentredOverTheMainWindow) {
    // The layout rule's own example, in outer sizes: 100 + 561 div 2 - 290 div 2 = 235.
    TForm7& about = *windows->form7;
    about.show();
    const int mainFrame = main->frameGeometry().width() - main->width();
    const int aboutFrame = about.frameGeometry().width() - about.width();
    about.hide();
    main->setFixedWidth(561 - mainFrame);
    about.setFixedWidth(290 - aboutFrame);
    main->move(100, 50);
    main->About1->trigger();
    EXPECT_EQ(main->frameGeometry().left(), 100);
    EXPECT_EQ(main->frameGeometry().width(), 561);
    EXPECT_EQ(windows->form7->frameGeometry().left(), 235);
    EXPECT_EQ(windows->form7->frameGeometry().topLeft(), centredPosition(*windows->form7, *main));
    EXPECT_TRUE(windows->form7->isVisible());
    EXPECT_FALSE(windows->form7->isModal());
}

TEST_F(Notices, TheMainWindowTakesNoInputWhileTheAboutBoxIsOpen) {
    main->New1->trigger();
    QSignalSpy clicks(main->Button2, &QPushButton::clicked);
    main->About1->trigger();
    EXPECT_FALSE(main->isEnabled());
    EXPECT_FALSE(main->menuBar()->isEnabled());
    QTest::mouseClick(main->Button2, Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 0);

    windows->form7->close();
    EXPECT_FALSE(windows->form7->isVisible());
    EXPECT_TRUE(main->isEnabled());
    QTest::mouseClick(main->Button2, Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 1);

    // Placed anew on each opening.
    main->move(300, 200);
    main->About1->trigger();
    EXPECT_EQ(windows->form7->frameGeometry().topLeft(), centredPosition(*windows->form7, *main));
}

TEST_F(Notices, BugReportOpensTheMailLinkWithTheSubjectAsWritten) {
    main->Bugreports1->trigger();
    EXPECT_EQ(shell.openedUrls,
              std::vector<std::string>{std::string("mailto:") + kBugReportAddress + "?subject=Bug in Korvane v1.5"});
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(Notices, ConverterCommandStartsInTheInstallation) {
    state.InstallRoot = root();
    main->ConvertWLDversion1->trigger(); // intro answered with Cancel by default
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].rfind("This tool will convert maps saved with SS:SE v1.50 beta", 0), 0u);
    dialogs.answers.push_back(true);
    main->ConvertWLDversion1->trigger();
    ASSERT_EQ(dialogs.openRequests.size(), 1u);
    EXPECT_EQ(dialogs.openRequests[0].initialFolder, root());
}

} // namespace
} // namespace korvane::testing
