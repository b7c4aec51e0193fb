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
        console_.out << text << '\n';
        return;
    }
    ++problems_;
    console_.err << text << '\n';
}

bool ConsoleDialogs::askYesNo(const std::string&) {
    return yesAnswer;
}

bool ConsoleDialogs::askOkCancel(const std::string&) {
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

} // namespace korvane::cli
