#include "app/TForm7.h"

#include "platform/Version.h"
#include "platform/qt/Centring.h"
#include "ui/Fonts.h"

#include <QHideEvent>
#include <QLabel>
#include <QPainter>
#include <QShowEvent>
#include <QTextEdit>

namespace korvane {

namespace {

constexpr const char* kCredits = "Перевод: команда Korvane\n"
                                 "Программирование: команда Korvane\n"
                                 "Идея и документация: команда Korvane\n"
                                 "\n"
                                 "Архивная библиотека:\n"
                                 "собственный ZIP-движок Korvane,\n"
                                 "сжатие zlib (Jean-loup Gailly, Mark Adler)\n"
                                 "\n"
                                 "Упаковщик исполняемого файла:\n"
                                 "не используется\n"
                                 "\n"
                                 "Отдельное спасибо:\n"
                                 "всем картостроителям, проверявшим ранние сборки\n"
                                 "\n"
                                 "Ссылки:\n"
                                 "http://korvane.example.org/\n"
                                 "https://zlib.net/\n"
                                 "https://www.croteam.com/";

// The 33 x 33 picture: a packed archive, a box with a zip running down its middle.
QPixmap archivePicture() {
    QPixmap picture(33, 33);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(90, 60, 20), 1.5));
    painter.setBrush(QColor(214, 170, 90));
    painter.drawRoundedRect(QRectF(3.5, 5.5, 26, 24), 3, 3);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(60, 60, 60));
    for (int y = 7; y < 28; y += 4) {
        painter.drawRect(14, y, 3, 2);
        painter.drawRect(17, y + 2, 3, 2);
    }
    painter.setBrush(QColor(200, 30, 30));
    painter.drawEllipse(QPointF(16.5, 5.5), 3.5, 3.5);
    return picture;
}

} // namespace

TForm7::TForm7(WindowContext& context) : context_(context) {
    setObjectName("Form7");
    setWindowTitle("О программе...");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(282, 353);
    setFont(verdana(8));

    Image1 = new QLabel(this);
    Image1->setObjectName("Image1");
    Image1->setGeometry(8, 8, 33, 33);
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setPixmap(archivePicture());

    Label1 = new QLabel(QString(kProgramTitle) + " =RUS=", this);
    Label1->setObjectName("Label1");
    QFont large = verdana(8);
    large.setPixelSize(19);
    Label1->setFont(large);
    Label1->setGeometry(48, 6, 226, 24);

    Label2 = new QLabel("Упаковщик карт для Крутого Сэма", this);
    Label2->setObjectName("Label2");
    Label2->setGeometry(48, 30, 226, 14);

    createCredits();
}

void TForm7::createCredits() {
    Memo1 = new QTextEdit(this);
    Memo1->setObjectName("Memo1");
    Memo1->setGeometry(8, 52, 266, 293);
    Memo1->setReadOnly(true);
    Memo1->setFrameStyle(QFrame::NoFrame);
    QPalette background = Memo1->palette();
    background.setColor(QPalette::Base, background.color(QPalette::Window));
    Memo1->setPalette(background);
    Memo1->setPlainText(kCredits);
    Memo1->selectAll();
    Memo1->setAlignment(Qt::AlignHCenter);
    Memo1->moveCursor(QTextCursor::Start);
}

void TForm7::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    keepAbove(*this, context_.mainWindow);
}

void TForm7::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    if (!event->spontaneous()) {
        FormHide();
    }
}

void TForm7::FormHide() {
    if (context_.mainWindow != nullptr) {
        context_.mainWindow->setEnabled(true);
    }
}

} // namespace korvane
