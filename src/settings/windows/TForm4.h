// The standard GRO list editor: the archive names as text, two presets, and a rebuild of both standard lists.
#pragma once

#include "ui/WindowContext.h"

#include <QDialog>
#include <QPoint>

#include <memory>
#include <string>
#include <vector>

class QAction;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;

namespace korvane {

class TForm2;
class TZipEngine;

class TForm4 : public QDialog {
    Q_OBJECT
public:
    TForm4(WindowContext& context, TForm2& options);
    ~TForm4() override;

    // Replaces the memo's lines with the names.
    void setLines(const std::vector<std::string>& names);
    // Where the preset menu pops up: the editor's left and top edges plus the button's offsets.
    QPoint presetMenuPosition() const;

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QPushButton* Button1 = nullptr; // "Выбрать настройку"
    QPlainTextEdit* GroListMemo = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QPushButton* Button2 = nullptr; // "OK"
    QPushButton* Button3 = nullptr; // "Отмена"
    QMenu* PopupMenu1 = nullptr;
    QAction* SecondEncounter1 = nullptr;
    QAction* N1 = nullptr;
    QAction* FirstEncounter1 = nullptr;

    std::unique_ptr<TZipEngine> Archiver;

public slots:
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void SecondEncounter1Click();
    void FirstEncounter1Click();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    WindowContext& context_;
    TForm2& options_;
};

} // namespace korvane
