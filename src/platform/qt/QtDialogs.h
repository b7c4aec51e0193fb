// The program's message boxes and file dialogs, shown over the window they belong to: the active one, or the
// fallback owner when none is active.
#pragma once

#include "platform/UserDialogs.h"

#include <QStringList>

#include <string_view>

class QWidget;

namespace korvane {

class QtDialogs : public UserDialogs {
public:
    explicit QtDialogs(QWidget* parent);

    void showMessage(const std::string& text) override;
    bool askYesNo(const std::string& text) override;
    bool askOkCancel(const std::string& text) override;
    std::vector<std::string> openFiles(const OpenFilesRequest& request) override;
    std::optional<std::string> saveFile(const SaveFileRequest& request) override;
    std::optional<std::string> pickFolder(const FolderRequest& request) override;

    void setFallbackOwner(QWidget* parent) { parent_ = parent; }

private:
    QWidget* owner() const;

    QWidget* parent_;
};

// "Label|pattern|Label|pattern" as the windows write filters, in Qt's "Label (pattern)" form; patterns
// separated by ';' become space-separated.
QStringList qtNameFilters(std::string_view filter);

// A chosen path as the system writes it: Qt hands out '/' everywhere, Windows users read '\'.
std::string nativePath(const QString& path);

// A chosen folder without its trailing separators (the root folder stays "/", a drive's root "C:\").
std::string folderWithoutTrailingSeparator(std::string folder);

} // namespace korvane
