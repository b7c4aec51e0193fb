// Where a headless run writes: results on standard output, messages and progress on standard error.
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

// For the standard list build, which still words its own failures: each message a line of standard error;
// no question is put and no file is chosen.
class ConsoleDialogs : public UserDialogs {
public:
    explicit ConsoleDialogs(Console& console) : console_(console) {}

    void showMessage(const std::string& text) override;
    bool askYesNo(const std::string&) override { return false; }
    bool askOkCancel(const std::string&) override { return false; }
    std::vector<std::string> openFiles(const OpenFilesRequest&) override { return {}; }
    std::optional<std::string> saveFile(const SaveFileRequest&) override { return std::nullopt; }
    std::optional<std::string> pickFolder(const FolderRequest&) override { return std::nullopt; }

    // Cleared before a message is written, so that the message starts on its own line.
    TerminalProgress* progress = nullptr;

private:
    Console& console_;
};

} // namespace korvane::cli
