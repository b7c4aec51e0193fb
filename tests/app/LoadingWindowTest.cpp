#include "app/TForm3.h"

#include <gtest/gtest.h>

#include <QProgressBar>

namespace korvane {
namespace {

// What a run's counters show is checked with the runs; an empty run must not turn the bar into a busy
// indicator.
TEST(LoadingWindow, AnEmptyRunShowsAnEmptyBar) {
    TForm3 window;
    ProgressSink& sink = window;
    sink.setOverallMax(12);
    sink.setOverallPosition(3);
    EXPECT_EQ(window.ProgressBar2->value(), 3);
    sink.setOverallMax(0);
    sink.setOverallPosition(0);
    EXPECT_GT(window.ProgressBar2->maximum(), window.ProgressBar2->minimum());
    EXPECT_EQ(window.ProgressBar2->value(), 0);
}

} // namespace
} // namespace korvane
