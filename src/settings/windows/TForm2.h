// The Options dialog: the installation root and the standard lists, changed provisionally until OK.
#pragma once

#include "settings/OptionsSession.h"
#include "ui/WindowContext.h"

#include <QDialog>

#include <memory>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace korvane {

class CheckListBox;
class TForm4;
class TZipEngine;

class TForm2 : public QDialog {
    Q_OBJECT
public:
    explicit TForm2(WindowContext& context);
    ~TForm2() override;

    // The list editor registers itself here when it is created.
    void attachEditor(TForm4& editor) { editor_ = &editor; }
    WindowContext& context() { return context_; }

    QGroupBox* GroupBox1 = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* InstallPathField = nullptr;
    QPushButton* Button1 = nullptr; // "Выбрать"
    QLabel* Label2 = nullptr;
    CheckListBox* StandardGroList = nullptr;
    QPushButton* Button2 = nullptr; // "Изменить / Перезагрузить"
    QGroupBox* GroupBox2 = nullptr;
    CheckListBox* StandardFiles = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QPushButton* Button3 = nullptr; // "Добавить файл"
    QPushButton* Button4 = nullptr; // "ОК"
    QPushButton* Button5 = nullptr; // "Отмена"

    // The snapshots taken at opening and at OK, and what OK and hiding do with them.
    OptionsSession Session;

    std::unique_ptr<TZipEngine> Archiver;

public slots:
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void FormShow();
    void FormHide();
    bool pathFieldValid() const;
    void setMainWindowEnabled(bool enabled);

    WindowContext& context_;
    TForm4* editor_ = nullptr;
};

} // namespace korvane
