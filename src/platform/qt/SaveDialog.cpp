#include "platform/qt/SaveDialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

namespace korvane {

SaveDialog::SaveDialog(QWidget* parent) : QFileDialog(parent) {
    setAcceptMode(QFileDialog::AcceptSave);
    setFileMode(QFileDialog::AnyFile);
}

void SaveDialog::accept() {
    const QStringList chosen = selectedFiles();
    if (!chosen.isEmpty()) {
        const QFileInfo file(chosen.front());
        // A chosen folder is opened by the dialog itself; only a file name in a missing folder is refused.
        if (!file.isDir() && !file.absoluteDir().exists()) {
            // The dialog's own wording, in the translation the program has loaded.
            const QString text = QCoreApplication::translate(
                "QFileDialog", "%1\nDirectory not found.\nPlease verify the correct directory name was given.");
            QMessageBox::warning(this, windowTitle(), text.arg(QDir::toNativeSeparators(file.absolutePath())));
            return;
        }
    }
    QFileDialog::accept();
}

} // namespace korvane
