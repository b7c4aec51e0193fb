#include "AppFixture.h"

#include "app/Notices.h"
#include "app/TForm7.h"

#include <QAction>
#include <QMenuBar>
#include <QSignalSpy>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QWindow>

namespace korvane::testing {
namespace {

class Notices : public AppFixture {
protected:
    TForm1* main = nullptr;
    void SetUp() override { main = &startConfigured(); }
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
    EXPECT_EQ(bar, (Names{n1, n1, "", n2, n2, "", n3, n3, "", n4, n4, "", n5, n5, "", "", n1}));
    EXPECT_NE(n1.find("Korvane v1.5"), std::string::npos);
    EXPECT_NE(n2.find(kBugReportAddress), std::string::npos);
    EXPECT_NE(n4.find("trademark of Croteam"), std::string::npos);
}

TEST_F(Notices, AMenuItemUnderThePointerLeavesTheNoticeStanding) {
    const std::string notice = tick();
    ASSERT_FALSE(notice.empty());
    // What hovering a menu item sends on its way up to the main window: its (empty) status tip.
    QStatusTipEvent tip(QString{});
    QCoreApplication::sendEvent(main->menuBar(), &tip);
    main->New1->showStatusText(main->menuBar());
    EXPECT_EQ(main->StatusBar1->currentMessage().toStdString(), notice);
}

TEST_F(Notices, AboutBoxOpensCentredAboveTheMainWindowItDisables) {
    // The layout rule's own example, in outer sizes: 100 + 561 div 2 - 290 div 2 = 235.
    TForm7& about = *windows->form7;
    about.show();
    const int mainFrame = main->frameGeometry().width() - main->width();
    const int aboutFrame = about.frameGeometry().width() - about.width();
    about.hide();
    main->setFixedWidth(561 - mainFrame);
    about.setFixedWidth(290 - aboutFrame);
    main->move(100, 50);
    main->New1->trigger();
    QSignalSpy clicks(main->Button2, &QPushButton::clicked);

    main->About1->trigger();
    EXPECT_EQ(about.frameGeometry().left(), 235);
    EXPECT_EQ(about.frameGeometry().topLeft(), centredPosition(about, *main));
    EXPECT_FALSE(about.isModal());
    // Owned by the main window, so that a click on the main window cannot bury it.
    ASSERT_NE(about.windowHandle(), nullptr);
    EXPECT_EQ(about.windowHandle()->transientParent(), main->windowHandle());
    EXPECT_FALSE(main->isEnabled());
    click(main->Button2);
    EXPECT_EQ(clicks.count(), 0);

    QTest::keyClick(&about, Qt::Key_Escape);
    EXPECT_FALSE(about.isVisible());
    EXPECT_TRUE(main->isEnabled());
    click(main->Button2);
    EXPECT_EQ(clicks.count(), 1);

    // Placed anew on each opening; the close box gives the input back too.
    main->move(300, 200);
    main->About1->trigger();
    EXPECT_EQ(about.frameGeometry().topLeft(), centredPosition(about, *main));
    about.close();
    EXPECT_TRUE(main->isEnabled());
}

TEST_F(Notices, BugReportAndConverterCommands) {
    main->Bugreports1->trigger();
    EXPECT_EQ(shell.openedUrls, Names{std::string("mailto:") + kBugReportAddress + "?subject=Bug in Korvane v1.5"});
    EXPECT_TRUE(dialogs.shown.empty());
    // The converter's questions as boxes and file dialogs in the installation; the first chosen map counts.
    writeGameFile("Levels/Beta.wld", std::string("BUIV\x98\x3A", 6));
    writeGameFile("Levels/Odd.wld", "BUIV");
    dialogs.answers = {true, true, false};
    dialogs.openAnswers = {{path("Levels/Beta.wld"), path("Levels/Odd.wld")}, {path("Levels/Odd.wld")}};
    dialogs.saveAnswers = {path("Levels/Out")};
    main->ConvertWLDversion1->trigger();
    main->ConvertWLDversion1->trigger();
    const std::string intro = "This tool will convert maps saved with SS:SE v1.50 beta into SS:SE v1.07.\n\n"
                              "It might become necessary if you have accidentally made your map in 150 although\n"
                              "you meant to release it in 107. It may happen.. even twice *points to Quendrel*\n\n"
                              "Now please select the map you wish to convert.";
    EXPECT_EQ(dialogs.shown,
              (Names{intro, "Version 1.50 was detected. Please choose where to save the new file.", "Done.", intro,
                     "Unknown version. Do you wish to continue? (The file may just corrupt)"}));
    EXPECT_EQ(dialogs.buttons, (Names{"OK Cancel", "OK", "OK", "OK Cancel", "Yes No"}));
    ASSERT_EQ(dialogs.openRequests.size(), 2u);
    EXPECT_EQ(dialogs.openRequests[0].filter, "Карта*.wld|*.wld");
    EXPECT_EQ(dialogs.openRequests[0].initialFolder, root());
    ASSERT_EQ(dialogs.saveRequests.size(), 1u);
    EXPECT_EQ(dialogs.saveRequests[0].filter, "*.wld|*.wld");
}

} // namespace
} // namespace korvane::testing
