// A progress sink for tests: every call recorded as one readable line, in order.
#pragma once

#include "platform/ProgressSink.h"

#include <functional>
#include <string>
#include <vector>

namespace korvane::testing {

class RecordingProgress : public ProgressSink {
public:
    std::vector<std::string> events;
    std::function<void()> onPump; // runs at each pump, to change the files while a run is under way
    void setOverallMax(int max) override { events.push_back("overall max " + std::to_string(max)); }
    void setOverallPosition(int position) override { events.push_back("overall " + std::to_string(position)); }
    void setOverallText(const std::string& text) override { events.push_back("Label3 " + text); }
    void setCurrentMax(int max) override { events.push_back("current max " + std::to_string(max)); }
    void setCurrentPosition(int position) override { events.push_back("current " + std::to_string(position)); }
    void setCurrentText(const std::string& text) override { events.push_back("Label2 " + text); }
    void processEvents() override {
        events.push_back("pump");
        if (onPump) {
            onPump();
        }
    }
};

} // namespace korvane::testing
