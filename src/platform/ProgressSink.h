// What long runs drive in the loading window: the overall and current-item bars with their counters, and
// the points at which the user interface may process pending messages.
#pragma once

#include <string>

namespace korvane {

class ProgressSink {
public:
    virtual ~ProgressSink() = default;
    virtual void setOverallMax(int max) = 0;
    virtual void setOverallPosition(int position) = 0;
    virtual void setOverallText(const std::string& text) = 0; // Label3
    virtual void setCurrentMax(int max) = 0;
    virtual void setCurrentPosition(int position) = 0;
    virtual void setCurrentText(const std::string& text) = 0; // Label2
    virtual void processEvents() = 0;
};

// For runs nobody watches: quick ones, or a machine without a display.
class NoProgress : public ProgressSink {
public:
    void setOverallMax(int) override {}
    void setOverallPosition(int) override {}
    void setOverallText(const std::string&) override {}
    void setCurrentMax(int) override {}
    void setCurrentPosition(int) override {}
    void setCurrentText(const std::string&) override {}
    void processEvents() override {}
};

// "3 out of 12"
inline std::string outOf(long long done, long long total) {
    return std::to_string(done) + " out of " + std::to_string(total);
}

} // namespace korvane
