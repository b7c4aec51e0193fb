#include "platform/qt/QtDialogs.h"

#include <QFileDialog>
#include <QMessageBox>

namespace korvane {
namespace {

QMessageBox::StandardButton ask(QWidget* parent, const std::string& caption, const std::string& text,
                                QMessageBox::StandardButtons buttons) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(caption), QString::fromStdString(text), buttons,
                    parent);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

const char* const kMessageCaption = "Korvane";
const char* const kQuestionCaption = "Korvane v1.5";

} // namespace

QtDialogs::QtDialogs(QWidget* parent) : parent_(parent) {}

void QtDialogs::showMessage(const std::string& text) {
    ask(parent_, kMessageCaption, text, QMessageBox::Ok);
}

bool QtDialogs::askYesNo(const std::string& text) {
    return ask(parent_, kQuestionCaption, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

bool QtDialogs::askOkCancel(const std::string& text) {
    return ask(parent_, kQuestionCaption, text, QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

std::vector<std::string> QtDialogs::openFiles(const OpenFilesRequest& request) {
    QFileDialog dialog(parent_);
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
            chosen.push_back(file.toStdString());
        }
    }
    return chosen;
}

std::optional<std::string> QtDialogs::saveFile(const SaveFileRequest& request) {
    QFileDialog dialog(parent_);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.promptOverwrite);
    dialog.setNameFilters(qtNameFilters(request.filter));
    dialog.setDirectory(QString::fromStdString(request.initialFolder));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().front().toStdString();
}

std::optional<std::string> QtDialogs::pickFolder(const FolderRequest& request) {
    const QString folder = QFileDialog::getExistingDirectory(parent_, QString::fromStdString(request.title),
                                                             QString::fromStdString(request.initialFolder));
    if (folder.isEmpty()) {
        return std::nullopt;
    }
    return folderWithoutTrailingSeparator(folder.toStdString());
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

std::string folderWithoutTrailingSeparator(std::string folder) {
    while (folder.size() > 1 && folder.back() == '/') {
        folder.pop_back();
    }
    return folder;
}

} // namespace korvane
