// The first-run setup wizard: installation folder, game version, the standard file list, and the save.
#pragma once

#include "platform/NameList.h"
#include "settings/SetupWizardFlow.h"
#include "ui/WindowContext.h"

#include <QDialog>

#include <memory>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace korvane {

class CheckListBox;
class TZipEngine;

class TForm5 : public QDialog {
    Q_OBJECT
public:
    explicit TForm5(WindowContext& context);
    ~TForm5() override;

    // Shows only the tab of the page (1 to 4), makes it current and runs its on-show step.
    void showOnlyPage(int page);
    int currentPage() const;
    // The selected version item: 0, 1, 2, or -1 when none is selected.
    int versionIndex() const;

    // The page order, the checks, the save and the two flags; this window holds the controls.
    SetupWizardFlow Flow;

    QTabWidget* PageControl1 = nullptr;
    QWidget* TabSheet1 = nullptr;
    QWidget* TabSheet2 = nullptr;
    QWidget* TabSheet3 = nullptr;
    QWidget* TabSheet4 = nullptr;

    // Page 1
    QLabel* Label1 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* Button1 = nullptr; // "Далее >>"

    // Page 2
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* InstallPathField = nullptr;
    QPushButton* Button2 = nullptr; // "Выбрать"
    QGroupBox* VersionChoice = nullptr;
    QRadioButton* RadioButton1 = nullptr;
    QRadioButton* RadioButton2 = nullptr;
    QRadioButton* RadioButton3 = nullptr;
    QButtonGroup* VersionItems = nullptr;
    QLabel* EditionLabel = nullptr; // which edition the archives show
    QGroupBox* GroupBox1 = nullptr; // the custom archive list
    QPlainTextEdit* Memo2 = nullptr;
    QPlainTextEdit* CustomGroList = nullptr;
    QPlainTextEdit* Memo3 = nullptr;
    QPushButton* Button3 = nullptr; // "Далее >>"

    // Page 3
    QPlainTextEdit* Memo4 = nullptr;
    NameList WizardItems;
    CheckListBox* WizardStandardList = nullptr;
    QPushButton* Button4 = nullptr; // "Добавить файл"
    QPushButton* Button5 = nullptr; // "<< Назад"
    QPushButton* Button6 = nullptr; // "Далее >>"

    // Page 4
    QPlainTextEdit* Memo5 = nullptr;
    QPushButton* Button7 = nullptr; // "<< Назад"
    QPushButton* Button8 = nullptr; // "Финиш"

    std::unique_ptr<TZipEngine> Archiver;

public slots:
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void Button6Click();
    void Button7Click();
    void Button8Click();
    void InstallPathFieldChange();
    void VersionChoiceClick();

protected:
    void hideEvent(QHideEvent* event) override;

private:
    void buildPage1();
    void buildPage2();
    void buildPage3();
    void buildPage4();
    void TabSheet2Show();
    void TabSheet3Show();
    void TabSheet4Show();
    WizardChoice choice() const;
    void goTo(const WizardStep& step);
    void preselectVersion();
    bool pathFieldValid() const;

    WindowContext& context_;
};

} // namespace korvane
