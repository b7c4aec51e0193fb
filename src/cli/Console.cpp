#include "cli/Console.h"

#include <algorithm>

namespace korvane::cli {

bool ConsoleDialogs::listed(const std::vector<std::string>& texts, const std::string& text) const {
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

void ConsoleDialogs::showMessage(const std::string& text) {
    if (listed(ignored_, text)) {
        return;
    }
    if (progress != nullptr) {
        progress->clear();
    }
    if (listed(reports_, text)) {
        ++reported_;
        console_.out << text << '\n';
        return;
    }
    ++problems_;
    console_.err << text << '\n';
}

bool ConsoleDialogs::askYesNo(const std::string& text) {
    questions_.push_back(text);
    return yesAnswer;
}

bool ConsoleDialogs::askOkCancel(const std::string& text) {
    questions_.push_back(text);
    return okAnswer;
}

std::vector<std::string> ConsoleDialogs::openFiles(const OpenFilesRequest&) {
    return openAnswer;
}

std::optional<std::string> ConsoleDialogs::saveFile(const SaveFileRequest&) {
    return saveAnswer;
}

std::optional<std::string> ConsoleDialogs::pickFolder(const FolderRequest&) {
    return std::nullopt;
}

TerminalProgress::~TerminalProgress() {
    clear();
}

void TerminalProgress::setOverallText(const std::string& text) {
    overall_ = text;
}

void TerminalProgress::setCurrentText(const std::string& text) {
    current_ = text;
    draw(false);
}

void TerminalProgress::processEvents() {
    draw(false);
}

void TerminalProgress::draw(bool force) {
    if (!console_.progressOnTerminal) {
        return;
    }
    // A terminal redrawn thousands of times a second only slows the run down.
    const auto now = std::chrono::steady_clock::now();
    if (!force && drawn_ && now - lastDraw_ < std::chrono::milliseconds(100)) {
        return;
    }
    lastDraw_ = now;
    console_.err << "\r\033[K" << overall_;
    if (!current_.empty()) {
        console_.err << (overall_.empty() ? "" : "  ") << current_;
    }
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
