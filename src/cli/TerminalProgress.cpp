#include "cli/TerminalProgress.h"

#include "cli/Console.h"
#include "platform/DisplayWidth.h"
#include "platform/Terminal.h"
#include "platform/Utf8Text.h"

namespace korvane::cli {

namespace {

constexpr std::size_t kDefaultWidth = 80;

std::size_t terminalWidth() {
    return terminalColumns(kDefaultWidth);
}

// The last characters of the text that fit, marked as cut; a file's own name is at its end.
std::string tailOf(const std::string& text, std::size_t width) {
    if (displayWidth(text) <= width) {
        return text;
    }
    if (width <= 3) {
        return std::string(width, '.');
    }
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i < text.size(); i += utf8CharacterAt(text, i).size()) {
        starts.push_back(i);
    }
    std::size_t start = text.size();
    for (std::size_t kept = 0; !starts.empty(); starts.pop_back()) {
        kept += displayWidthAt(text, starts.back());
        if (kept > width - 3) {
            break;
        }
        start = starts.back();
    }
    return "..." + text.substr(start);
}

} // namespace

TerminalProgress::~TerminalProgress() {
    clear();
}

void TerminalProgress::nameItems(std::vector<std::string> items, int firstPosition) {
    items_ = std::move(items);
    firstPosition_ = firstPosition;
    index_ = -1;
    item_.clear();
    current_.clear();
}

void TerminalProgress::setOverallPosition(int position) {
    const long long index = static_cast<long long>(position) - firstPosition_;
    if (index >= 0 && index < static_cast<long long>(items_.size())) {
        item_ = items_[static_cast<std::size_t>(index)];
        index_ = index;
    }
}

void TerminalProgress::setOverallText(const std::string& text) {
    // Runs count the files done or the file at hand; the terminal always counts the file at hand from 1.
    overall_ = index_ < 0 ? text : outOf(index_ + 1, static_cast<long long>(items_.size()));
    draw(false);
}

void TerminalProgress::setCurrentText(const std::string& text) {
    current_ = text;
    draw(false);
}

void TerminalProgress::processEvents() {
    draw(false);
}

std::string TerminalProgress::line(std::size_t width) const {
    // The last column stays free: a line that fills it makes some terminals wrap, and \r then misses it.
    const std::size_t room = width > 1 ? width - 1 : 0;
    std::string head = overall_;
    const std::string tail = current_.empty() ? "" : "  " + current_;
    if (!item_.empty()) {
        head += head.empty() ? "" : "  ";
        const std::size_t used = displayWidth(head) + displayWidth(tail);
        head += tailOf(item_, used < room ? room - used : 0);
    }
    return tailOf(head + tail, room);
}

void TerminalProgress::draw(bool force) {
    if (!console_.progressOnTerminal) {
        return;
    }
    // A terminal redrawn thousands of times a second only slows the run down; nothing to say draws nothing.
    const auto now = std::chrono::steady_clock::now();
    if ((!force && drawn_ && now - lastDraw_ < std::chrono::milliseconds(100)) ||
        (overall_.empty() && item_.empty() && current_.empty())) {
        return;
    }
    lastDraw_ = now;
    console_.err << "\r\033[K" << line(terminalWidth());
    console_.err.flush();
    drawn_ = true;
}

void TerminalProgress::clear() {
    if (drawn_) {
        console_.err << "\r\033[K";
        console_.err.flush();
        drawn_ = false;
    }
}

} // namespace korvane::cli
