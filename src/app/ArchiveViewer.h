// The window a .gro opens in (from the file manager or "korvane FILE.gro"): its members, read-only, as
// "korvane list" prints them, and "Проверить", which runs the archive check of "korvane check".
#pragma once

#include "platform/AppState.h"

#include <QWidget>

#include <string>

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace korvane {

class ArchiveViewer : public QWidget {
    Q_OBJECT
public:
    // Without an installation the check skips the rule about replacing standard files. With an owner it is
    // a window of its own that the owner destroys.
    ArchiveViewer(std::string archivePath, const AppState* installation, QWidget* owner = nullptr);

    QLabel* PathLabel = nullptr;
    QListWidget* Members = nullptr;
    QLabel* Preview = nullptr;     // the selected texture's picture, read from the archive
    QLabel* PreviewSize = nullptr; // its size in pixels
    QPushButton* CheckButton = nullptr;
    QPlainTextEdit* CheckResult = nullptr;

    void CheckButtonClick();
    void MembersClick(); // a member selected: its picture when it is a texture

private:
    void loadMembers();

    std::string archivePath_;
    const AppState* installation_;
};

} // namespace korvane
