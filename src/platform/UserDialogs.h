// The message boxes and file dialogs the windows use, behind one seam: Qt for the program, scripted in tests.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace korvane {

struct OpenFilesRequest {
    std::string filter;        // "Label|pattern" pairs as the windows name them, e.g. "Карта*.wld|*.wld"
    std::string initialFolder; // native folder
    bool multiSelect = true;
    bool mustExist = false;
};

struct SaveFileRequest {
    std::string filter;
    std::string initialFolder;
    bool promptOverwrite = true;
};

struct FolderRequest {
    std::string title;  // "Выбор папки"
    std::string status; // "Пожалуйста, выберите папку..."
    std::string initialFolder;
};

class UserDialogs {
public:
    virtual ~UserDialogs() = default;
    // Plain message: OK only, no icon, caption "Korvane".
    virtual void showMessage(const std::string& text) = 0;
    // Question boxes: no icon, caption kProgramTitle.
    virtual bool askYesNo(const std::string& text) = 0;
    virtual bool askOkCancel(const std::string& text) = 0;
    // Full native paths in the order chosen; empty when cancelled.
    virtual std::vector<std::string> openFiles(const OpenFilesRequest& request) = 0;
    virtual std::optional<std::string> saveFile(const SaveFileRequest& request) = 0;
    // The chosen folder without a trailing separator.
    virtual std::optional<std::string> pickFolder(const FolderRequest& request) = 0;
};

// Actions handed to the desktop: a folder in the file manager, a mailto: link.
class Shell {
public:
    virtual ~Shell() = default;
    // False when the desktop has no program that opens it.
    virtual bool openFolder(const std::string& folder) = 0;
    virtual void openUrl(const std::string& url) = 0;
};

} // namespace korvane
