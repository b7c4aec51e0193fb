// The missing-files dialog: lists the files a collection run needed and did not find.
#pragma once

#include "ui/WindowContext.h"

#include <QDialog>

#include <string>
#include <vector>

class QHideEvent;
class QShowEvent;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace korvane {

class TForm6 : public QDialog {
    Q_OBJECT
public:
    explicit TForm6(WindowContext& context);

    // One name per line, replacing what the text area held.
    void setMissingFiles(const std::vector<std::string>& names);

    QLabel* Label1 = nullptr;
    QPlainTextEdit* MissingFiles = nullptr;
    QPlainTextEdit* Memo1 = nullptr; // the note under the list
    QPushButton* Button1 = nullptr;  // "OK"
    QPushButton* Button2 = nullptr;  // "Игнорировать!"

signals:
    // "Игнорировать!" was pressed; the dialog is already hidden.
    void ignored();

public slots:
    void Button1Click();
    void Button2Click();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    WindowContext& context_;
};

} // namespace korvane
