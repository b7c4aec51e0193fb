// The loading window on a terminal: one self-rewriting line on standard error with the files done out of the
// total, the current file and its own counter. Silent when standard error is not a terminal.
#pragma once

#include "platform/ProgressSink.h"

#include <chrono>
#include <string>
#include <vector>

namespace korvane::cli {

struct Console;

class TerminalProgress : public ProgressSink {
public:
    explicit TerminalProgress(Console& console) : console_(console) {}
    ~TerminalProgress() override;
    TerminalProgress(const TerminalProgress&) = delete;
    TerminalProgress& operator=(const TerminalProgress&) = delete;

    // The files a run goes through, in order; firstPosition is the overall position the run reports while
    // it works on the first of them (a run counts either the files done or the file it is on).
    void nameItems(std::vector<std::string> items, int firstPosition);

    void setOverallMax(int) override {}
    void setOverallPosition(int position) override;
    void setOverallText(const std::string& text) override;
    void setCurrentMax(int) override {}
    void setCurrentPosition(int) override {}
    void setCurrentText(const std::string& text) override;
    void processEvents() override;
    // Clears the progress line so that the next message starts on a clean line.
    void clear();

    // The line as drawn, cut to the width of the terminal.
    std::string line(std::size_t width) const;

private:
    void draw(bool force);

    Console& console_;
    std::vector<std::string> items_;
    int firstPosition_ = 0;
    long long index_ = -1; // the item at hand, -1 before the first
    std::string overall_;
    std::string item_;
    std::string current_;
    bool drawn_ = false;
    std::chrono::steady_clock::time_point lastDraw_{};
};

} // namespace korvane::cli
