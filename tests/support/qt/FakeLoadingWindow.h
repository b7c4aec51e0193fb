// A loading window for window tests: a plain widget that records what the run showed in it.
#pragma once

#include "platform/qt/LoadingWindowControl.h"

#include <QWidget>

#include <string>
#include <vector>

namespace korvane::testing {

class FakeLoadingWindow : public LoadingWindowControl {
public:
    QWidget window;
    int overallMax = 0, overallPosition = 0, currentMax = 0, currentPosition = 0;
    std::string overallText, currentText;
    std::vector<std::string> overallTexts, currentTexts; // every text set, in order
    int eventPumps = 0;

    QWidget* widget() override { return &window; }
    void setOverallMax(int max) override { overallMax = max; }
    void setOverallPosition(int position) override { overallPosition = position; }
    void setOverallText(const std::string& text) override {
        overallText = text;
        overallTexts.push_back(text);
    }
    void setCurrentMax(int max) override { currentMax = max; }
    void setCurrentPosition(int position) override { currentPosition = position; }
    void setCurrentText(const std::string& text) override {
        currentText = text;
        currentTexts.push_back(text);
    }
    void processEvents() override { ++eventPumps; }
};

} // namespace korvane::testing
