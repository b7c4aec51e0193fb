#include "settings/windows/TForm4.h"

#include "archive/ZipEngine.h"
#include "platform/qt/Centring.h"
#include "settings/StandardListBuilder.h"
#include "settings/StandardPresets.h"
#include "settings/TextLines.h"
#include "settings/windows/TForm2.h"
#include "ui/Named.h"
#include "ui/StandardListing.h"

#include <QHBoxLayout>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace korvane {

TForm4::TForm4(WindowContext& context, TForm2& options)
    : Archiver(std::make_unique<TZipEngine>("Archiver")), context_(context), options_(options) {
    setObjectName("Form4");
    setWindowTitle("Изменение списка стандартных .GRO архивов");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    Label1 = named<QLabel>("Label1", "Файлы в выбранных .GRO архивах");
    Label2 = named<QLabel>("Label2", "будут рассматриваться как стандартные.");
    Button1 = named<QPushButton>("Button1", "Выбрать настройку");
    GroListMemo = named<QPlainTextEdit>("GroListMemo");
    GroListMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    GroListMemo->setLineWrapMode(QPlainTextEdit::NoWrap);
    // Wide enough for the whole title in the caption bar.
    GroListMemo->setFixedSize(440, 160);
    Label3 = named<QLabel>("Label3", "Нажав \"OK\" Вы перезагрузите список файлов.");
    Label4 = named<QLabel>("Label4", "Все в ручную созданные архивы");
    Label5 = named<QLabel>("Label5", "остануться на месте.");
    Button2 = named<QPushButton>("Button2", "OK");
    Button3 = named<QPushButton>("Button3", "Отмена");

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName("PopupMenu1");
    SecondEncounter1 = PopupMenu1->addAction("Serious Sam: The Second Encounter v1.07");
    SecondEncounter1->setObjectName("SecondEncounter1");
    N1 = PopupMenu1->addSeparator();
    N1->setObjectName("N1");
    FirstEncounter1 = PopupMenu1->addAction("Serious Sam: The First Encounter v1.05");
    FirstEncounter1->setObjectName("FirstEncounter1");

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Button2);
    buttons->addWidget(Button3);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(Label2);
    layout->addWidget(Button1);
    layout->addWidget(GroListMemo);
    layout->addWidget(Label3);
    layout->addWidget(Label4);
    layout->addWidget(Label5);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(Button1, &QPushButton::clicked, this, &TForm4::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm4::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TForm4::Button3Click);
    connect(SecondEncounter1, &QAction::triggered, this, &TForm4::SecondEncounter1Click);
    connect(FirstEncounter1, &QAction::triggered, this, &TForm4::FirstEncounter1Click);
    options_.attachEditor(*this);
}

TForm4::~TForm4() = default;

void TForm4::setLines(const std::vector<std::string>& names) {
    GroListMemo->setPlainText(QString::fromStdString(joinLines(names)));
}

QPoint TForm4::presetMenuPosition() const {
    return pos() + Button1->pos();
}

void TForm4::Button1Click() {
    PopupMenu1->popup(presetMenuPosition());
}
void TForm4::Button2Click() {
    AppState& state = context_.state;
    const StandardListOutcome outcome =
        buildStandardListIn(*this, context_, *Archiver, options_.InstallPathField->text().toStdString(),
                            textLines(GroListMemo->toPlainText().toStdString()), state.StandardFiles,
                            BuildVariant::Editor, &state.StandardGroList);
    // After an unreadable archive the editor stays open, so the list can be corrected.
    if (outcome != StandardListOutcome::Unreadable) {
        hide();
    }
}

void TForm4::Button3Click() {
    hide();
}

void TForm4::SecondEncounter1Click() {
    setLines(presetArchives(GamePreset::SecondEncounter107));
}

void TForm4::FirstEncounter1Click() {
    setLines(presetArchives(GamePreset::FirstEncounter105));
}

void TForm4::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    keepAbove(*this, &options_);
}

void TForm4::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    if (!event->spontaneous()) {
        options_.setEnabled(true);
    }
}

} // namespace korvane
