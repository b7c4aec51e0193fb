#include "platform/qt/QtDialogs.h"

#include "platform/Version.h"
#include "platform/qt/Centring.h"
#include "platform/qt/SaveDialog.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFontMetrics>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>

#include <algorithm>

namespace korvane {
namespace {

// Room for the caption bar's title and buttons, so that even "Done." shows its caption whole.
constexpr int kMinimumTextWidth = 220;

// Qt wraps a message wider than a fixed share of the screen mid-sentence; the texts break their own lines,
// so each line is given the room it needs, as far as the screen allows.
void fitLines(QMessageBox& box) {
    auto* label = box.findChild<QLabel*>("qt_msgbox_label");
    if (label == nullptr) {
        return;
    }
    const QFontMetrics metrics(label->font());
    int widest = kMinimumTextWidth;
    for (const QString& line : box.text().split('\n')) {
        widest = std::max(widest, metrics.horizontalAdvance(line) + 2);
    }
    const QScreen* screen = box.screen();
    const int room = screen != nullptr ? screen->availableGeometry().width() - 120 : widest;
    label->setMinimumWidth(std::min(widest, room));
}

QMessageBox::StandardButton ask(QWidget* parent, const std::string& caption, const std::string& text,
                                QMessageBox::StandardButtons buttons) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(caption), QString::fromStdString(text), buttons,
                    parent);
    fitLines(box);
    if (parent != nullptr) {
        // Centred by the frames, as the other dialogs are: the toolkit's own placement leaves out the title bar.
        box.setWindowModality(Qt::ApplicationModal);
        showCentredOver(box, *parent->window());
    }
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

const char* const kMessageCaption = "Korvane";
const char* const kQuestionCaption = kProgramTitle;

} // namespace

QtDialogs::QtDialogs(QWidget* parent) : parent_(parent) {}

QWidget* QtDialogs::owner() const {
    if (QWidget* modal = QApplication::activeModalWidget()) {
        return modal;
    }
    // The borderless loading window is nobody's owner: a message over it belongs to the window it serves.
    QWidget* active = QApplication::activeWindow();
    if (active != nullptr && !active->windowFlags().testFlag(Qt::FramelessWindowHint)) {
        return active;
    }
    return parent_;
}

void QtDialogs::showMessage(const std::string& text) {
    ask(owner(), kMessageCaption, text, QMessageBox::Ok);
}

bool QtDialogs::askYesNo(const std::string& text) {
    return ask(owner(), kQuestionCaption, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

bool QtDialogs::askOkCancel(const std::string& text) {
    return ask(owner(), kQuestionCaption, text, QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

std::vector<std::string> QtDialogs::openFiles(const OpenFilesRequest& request) {
    QFileDialog dialog(owner());
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    if (request.multiSelect) {
        dialog.setFileMode(QFileDialog::ExistingFiles);
    } else {
        dialog.setFileMode(request.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    }
    dialog.setNameFilters(qtNameFilters(request.filter));
    dialog.setDirectory(QString::fromStdString(request.initialFolder));
    std::vector<std::string> chosen;
    if (dialog.exec() == QDialog::Accepted) {
        for (const QString& file : dialog.selectedFiles()) {
            chosen.push_back(nativePath(file));
        }
    }
    return chosen;
}

std::optional<std::string> QtDialogs::saveFile(const SaveFileRequest& request) {
    SaveDialog dialog(owner());
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.promptOverwrite);
    dialog.setNameFilters(qtNameFilters(request.filter));
    dialog.setDirectory(QString::fromStdString(request.initialFolder));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return nativePath(dialog.selectedFiles().front());
}

std::optional<std::string> QtDialogs::pickFolder(const FolderRequest& request) {
    const QString folder = QFileDialog::getExistingDirectory(owner(), QString::fromStdString(request.title),
                                                             QString::fromStdString(request.initialFolder));
    if (folder.isEmpty()) {
        return std::nullopt;
    }
    return folderWithoutTrailingSeparator(nativePath(folder));
}

QStringList qtNameFilters(std::string_view filter) {
    const QStringList parts = QString::fromUtf8(filter.data(), static_cast<qsizetype>(filter.size())).split('|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QStringList patterns = parts[i + 1].split(';', Qt::SkipEmptyParts);
        filters.push_back(parts[i] + " (" + patterns.join(' ').trimmed() + ")");
    }
    return filters;
}

std::string nativePath(const QString& path) {
    return QDir::toNativeSeparators(path).toStdString();
}

std::string folderWithoutTrailingSeparator(std::string folder) {
    // A drive's root keeps its separator: "C:" alone names the drive's current folder instead.
    const bool driveRoot = folder.size() == 3 && folder[1] == ':';
    while (folder.size() > 1 && !driveRoot && (folder.back() == '/' || folder.back() == '\\')) {
        folder.pop_back();
    }
    return folder;
}

} // namespace korvane
