#include "app/TForm3.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QProgressBar>

namespace korvane {
namespace {

TEST(LoadingWindow, ShowsWhatARunReports) {
    TForm3 window;
    ProgressSink& sink = window;
    sink.setOverallMax(12);
    sink.setOverallPosition(3);
    sink.setOverallText(outOf(3, 12));
    sink.setCurrentText(outOf(40, 40));
    EXPECT_EQ(window.ProgressBar2->maximum(), 12);
    EXPECT_EQ(window.ProgressBar2->value(), 3);
    EXPECT_EQ(window.Label3->text(), "3 out of 12");
    EXPECT_EQ(window.Label2->text(), "40 out of 40");

    // An empty run shows an empty bar, not a busy indicator.
    sink.setOverallMax(0);
    sink.setOverallPosition(0);
    EXPECT_GT(window.ProgressBar2->maximum(), window.ProgressBar2->minimum());
    EXPECT_EQ(window.ProgressBar2->value(), 0);
}

} // namespace
} // namespace korvane
