#include "scan/windows/TForm6.h"

#include "ui/EditionTitle.h"

#include <QFont>
#include <QHideEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QWindow>

namespace korvane {

namespace {

QPushButton* makeButton(QWidget* parent, const char* objectName, const QString& caption, int left, int width) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(objectName);
    button->setGeometry(left, 348, width, 25);
    return button;
}

} // namespace

// No Qt parent: the application owns every window itself; the main window becomes the transient parent
// when the dialog shows.
TForm6::TForm6(WindowContext& context) : context_(context) {
    setObjectName("Form6");
    setWindowTitle(editionTitle());
    // A dialog frame: no help button, not resizable.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(375, 381);
    setModal(false);
    QFont verdana(QStringLiteral("Verdana"));
    verdana.setPointSize(8);
    setFont(verdana);

    Label1 = new QLabel(QStringLiteral("Следующие необходимые файы не найдены:"), this);
    Label1->setObjectName("Label1");
    QFont bold = verdana;
    bold.setBold(true);
    Label1->setFont(bold);
    Label1->setGeometry(8, 8, 361, 16);

    MissingFiles = new QPlainTextEdit(this);
    MissingFiles->setObjectName("MissingFiles");
    MissingFiles->setGeometry(8, 28, 361, 281);
    MissingFiles->setLineWrapMode(QPlainTextEdit::NoWrap);
    MissingFiles->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    MissingFiles->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    Memo1 = new QPlainTextEdit(
        QStringLiteral("Пожалуйста, найдите эти файлы, разместите по необходимым папкам и попробуйте снова!"), this);
    Memo1->setObjectName("Memo1");
    Memo1->setGeometry(8, 312, 361, 32);
    Memo1->setReadOnly(true);
    Memo1->setFrameShape(QFrame::NoFrame);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setFocusPolicy(Qt::NoFocus);
    // The note sits on the window's own grey, not on a text field's white.
    QPalette notePalette = Memo1->palette();
    notePalette.setColor(QPalette::Base, palette().color(QPalette::Window));
    Memo1->setPalette(notePalette);

    Button1 = makeButton(this, "Button1", QStringLiteral("OK"), 190, 75);
    Button2 = makeButton(this, "Button2", QStringLiteral("Игнорировать!"), 270, 99);
    Button1->setDefault(true);

    connect(Button1, &QPushButton::clicked, this, &TForm6::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm6::Button2Click);
}

void TForm6::setMissingFiles(const std::vector<std::string>& names) {
    QStringList lines;
    lines.reserve(static_cast<qsizetype>(names.size()));
    for (const auto& name : names) {
        lines.push_back(QString::fromStdString(name));
    }
    MissingFiles->setPlainText(lines.join(QLatin1Char('\n')));
}

void TForm6::Button1Click() {
    hide();
}

void TForm6::Button2Click() {
    hide();
    emit ignored();
}

void TForm6::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Keeps the dialog above the main window it disables.
    if (context_.mainWindow != nullptr && context_.mainWindow->windowHandle() != nullptr && windowHandle() != nullptr) {
        windowHandle()->setTransientParent(context_.mainWindow->windowHandle());
    }
}

void TForm6::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    // Minimising is not hiding the dialog away; everything else (buttons, close box, Escape) is.
    if (!event->spontaneous() && context_.mainWindow != nullptr) {
        context_.mainWindow->setEnabled(true);
    }
}

} // namespace korvane
