// Dialog and shell stand-ins for tests: each records what the program showed and answers from a script.
#pragma once

#include "platform/UserDialogs.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace korvane::testing {

class ScriptedDialogs : public UserDialogs {
public:
    // Answers, consumed in order; a question with no scripted answer gets "no" / "cancel".
    std::deque<bool> answers;
    std::deque<std::vector<std::string>> openAnswers;
    std::deque<std::optional<std::string>> saveAnswers;
    std::deque<std::optional<std::string>> folderAnswers;

    // What was shown, in order: messages and questions alike, and the buttons of each box.
    std::vector<std::string> shown;
    std::vector<std::string> buttons; // "OK", "Yes No" or "OK Cancel"
    std::vector<OpenFilesRequest> openRequests;
    std::vector<SaveFileRequest> saveRequests;
    std::vector<FolderRequest> folderRequests;

    // Called as each message shows, so that a test can look at the windows while it is up.
    std::function<void(const std::string&)> onMessage;

    void showMessage(const std::string& text) override {
        shown.push_back(text);
        buttons.push_back("OK");
        if (onMessage) {
            onMessage(text);
        }
    }
    bool askYesNo(const std::string& text) override { return answer(text, "Yes No"); }
    bool askOkCancel(const std::string& text) override { return answer(text, "OK Cancel"); }

    std::vector<std::string> openFiles(const OpenFilesRequest& request) override {
        openRequests.push_back(request);
        return take(openAnswers, std::vector<std::string>{});
    }
    std::optional<std::string> saveFile(const SaveFileRequest& request) override {
        saveRequests.push_back(request);
        return take(saveAnswers, std::optional<std::string>{});
    }
    std::optional<std::string> pickFolder(const FolderRequest& request) override {
        folderRequests.push_back(request);
        return take(folderAnswers, std::optional<std::string>{});
    }

private:
    bool answer(const std::string& text, const char* choices) {
        shown.push_back(text);
        buttons.push_back(choices);
        return take(answers, false);
    }
    template <typename T> static T take(std::deque<T>& queue, T fallback) {
        if (queue.empty()) {
            return fallback;
        }
        T value = std::move(queue.front());
        queue.pop_front();
        return value;
    }
};

class ScriptedShell : public Shell {
public:
    std::vector<std::string> openedFolders;
    bool folderOpens = true;
    std::vector<std::string> openedUrls;
    bool openFolder(const std::string& folder) override {
        openedFolders.push_back(folder);
        return folderOpens;
    }
    void openUrl(const std::string& url) override { openedUrls.push_back(url); }
};

} // namespace korvane::testing
