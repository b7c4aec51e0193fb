#include "settings/windows/TForm2.h"

#include "archive/ZipEngine.h"
#include "platform/GamePath.h"
#include "platform/UserError.h"
#include "platform/qt/Centring.h"
#include "platform/qt/CheckListBox.h"
#include "platform/qt/QuietEnter.h"
#include "settings/InstallFolder.h"
#include "settings/StandardListBuilder.h"
#include "settings/windows/TForm4.h"
#include "ui/BusyScope.h"
#include "ui/Named.h"
#include "ui/StandardListing.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include <exception>

namespace korvane {

TForm2::TForm2(WindowContext& context)
    : Session(context.state, context.settings), Archiver(std::make_unique<TZipEngine>("Archiver")), context_(context) {
    setObjectName("Form2");
    setWindowTitle("Настройки");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    GroupBox1 = named<QGroupBox>("GroupBox1", "Установки для \"Крутого Сэма\"");
    Label1 = named<QLabel>("Label1", "Путь установки");
    InstallPathField = named<QLineEdit>("InstallPathField");
    Button1 = named<QPushButton>("Button1", "Выбрать");
    Label2 = named<QLabel>("Label2", "Стандартные .GRO архивы");
    StandardGroList = new CheckListBox(context_.state.StandardGroList, false, nullptr);
    StandardGroList->setObjectName("StandardGroList");
    Button2 = named<QPushButton>("Button2", "Изменить / Перезагрузить");
    auto* pathRow = new QHBoxLayout;
    pathRow->addWidget(InstallPathField);
    pathRow->addWidget(Button1);
    auto* installation = new QVBoxLayout(GroupBox1);
    installation->addWidget(Label1);
    installation->addLayout(pathRow);
    installation->addWidget(Label2);
    installation->addWidget(StandardGroList);
    installation->addWidget(Button2, 0, Qt::AlignRight);

    GroupBox2 = named<QGroupBox>("GroupBox2", "Стандартные файлы");
    StandardFiles = new CheckListBox(context_.state.StandardFiles, true, nullptr);
    StandardFiles->setObjectName("StandardFiles");
    Label3 = named<QLabel>("Label3", "Эти файлы никогда не будут включены в");
    Label4 = named<QLabel>("Label4", ".GRO архивы, которые вы создаёте.");
    Button3 = named<QPushButton>("Button3", "Добавить файл");
    auto* filesRow = new QHBoxLayout;
    auto* filesNote = new QVBoxLayout;
    filesNote->addWidget(Label3);
    filesNote->addWidget(Label4);
    filesRow->addLayout(filesNote);
    filesRow->addWidget(Button3);
    auto* files = new QVBoxLayout(GroupBox2);
    files->addWidget(StandardFiles);
    files->addLayout(filesRow);

    Button4 = named<QPushButton>("Button4", "ОК");
    Button5 = named<QPushButton>("Button5", "Отмена");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button4);
    buttons->addWidget(Button5);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(GroupBox1);
    layout->addWidget(GroupBox2);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    StandardGroList->setFixedSize(400, 100);
    StandardFiles->setFixedSize(400, 200);

    // Enter confirms the dialog; it never opens a picker or the editor.
    for (QPushButton* opensWindow : {Button1, Button2, Button3}) {
        opensWindow->setAutoDefault(false);
    }
    Button4->setDefault(true);
    ignoreEnter(*InstallPathField);

    connect(Button1, &QPushButton::clicked, this, &TForm2::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm2::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TForm2::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &TForm2::Button4Click);
    connect(Button5, &QPushButton::clicked, this, &TForm2::Button5Click);
}

TForm2::~TForm2() = default;

void TForm2::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        FormShow();
    }
}

void TForm2::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    if (!event->spontaneous()) {
        FormHide();
    }
}

bool TForm2::pathFieldValid() const {
    return isValidInstallation(InstallPathField->text().toStdString());
}

void TForm2::setMainWindowEnabled(bool enabled) {
    if (context_.mainWindow != nullptr) {
        context_.mainWindow->setEnabled(enabled);
    }
}

void TForm2::FormShow() {
    {
        BriefCopyScope busy(*this, *context_.loading);
        InstallPathField->setText(QString::fromStdString(context_.state.InstallRoot));
        setMainWindowEnabled(false);
        Session.open();
    }
    setMainWindowEnabled(true);
}

void TForm2::FormHide() {
    {
        BriefCopyScope busy(*this, *context_.loading);
        Session.restore();
    }
    setMainWindowEnabled(true);
}

void TForm2::Button1Click() {
    const auto folder = context_.dialogs.pickFolder(
        {"Выбор папки", "Пожалуйста выберите папку...", InstallPathField->text().toStdString()});
    if (!folder) {
        return;
    }
    InstallPathField->setText(QString::fromStdString(*folder + kNativeSeparator));
    if (!pathFieldValid()) {
        context_.dialogs.showMessage(kNotAnInstallation);
    } else if (InstallPathField->text().toStdString() != context_.state.InstallRoot) {
        context_.dialogs.showMessage("It is recommended that you check that the standard GROs are valid\n"
                                     "for this installation and then re-read the standard file list.");
    }
}

void TForm2::Button2Click() {
    if (!pathFieldValid()) {
        context_.dialogs.showMessage(kChooseValidPathFirst);
        return;
    }
    if (editor_ == nullptr) {
        return;
    }
    setEnabled(false);
    editor_->setLines(context_.state.StandardGroList.names());
    showCentredOver(*editor_, *this);
}

void TForm2::Button3Click() {
    addStandardFileIn(*this, context_, *Archiver, InstallPathField->text().toStdString(), context_.state.StandardFiles,
                      AddVariant::Options);
}

void TForm2::Button4Click() {
    if (!pathFieldValid()) {
        context_.dialogs.showMessage(kChooseValidPathFirst);
        return;
    }
    std::exception_ptr failure;
    {
        BriefCopyScope busy(*this, *context_.loading);
        try {
            Session.commit(InstallPathField->text().toStdString());
        } catch (...) {
            failure = std::current_exception();
        }
    }
    if (failure) {
        context_.dialogs.showMessage(userMessageOf(failure));
        return;
    }
    hide();
}

void TForm2::Button5Click() {
    hide();
}

} // namespace korvane
