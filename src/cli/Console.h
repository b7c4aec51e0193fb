// Where a headless run writes: results on standard output, messages and progress on standard error, the
// message boxes of the windows turned into lines.
#pragma once

#include "cli/TerminalProgress.h"
#include "platform/UserDialogs.h"

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace korvane::cli {

struct Console {
    std::ostream& out;
    std::ostream& err;
    // Progress is drawn only when standard error is a terminal.
    bool progressOnTerminal = false;
    // Names on standard output are shown with control characters escaped when it is a terminal.
    bool outOnTerminal = false;
};

// The windows' message boxes without a display: each message is written to standard error and counted;
// questions get the answers the command line fixed in advance; file dialogs return the chosen operands.
class ConsoleDialogs : public UserDialogs {
public:
    explicit ConsoleDialogs(Console& console) : console_(console) {}

    void showMessage(const std::string& text) override;
    bool askYesNo(const std::string& text) override;
    bool askOkCancel(const std::string& text) override;
    std::vector<std::string> openFiles(const OpenFilesRequest& request) override;
    std::optional<std::string> saveFile(const SaveFileRequest& request) override;
    std::optional<std::string> pickFolder(const FolderRequest& request) override;

    // Messages that only tell the user what the next dialog is for: dropped, since no dialog follows.
    void ignore(std::string text) { ignored_.push_back(std::move(text)); }
    // Messages that report success: written to standard output and not counted as problems.
    void report(std::string text) { reports_.push_back(std::move(text)); }

    // Cleared before a message is written, so that the message starts on its own line.
    TerminalProgress* progress = nullptr;
    bool yesAnswer = false;
    bool okAnswer = true;
    std::vector<std::string> openAnswer;
    std::optional<std::string> saveAnswer;

    int problems() const { return problems_; }

private:
    bool listed(const std::vector<std::string>& texts, const std::string& text) const;

    Console& console_;
    std::vector<std::string> ignored_;
    std::vector<std::string> reports_;
    int problems_ = 0;
};

} // namespace korvane::cli
