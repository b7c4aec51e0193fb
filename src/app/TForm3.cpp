#include "app/TForm3.h"

#include "ui/Fonts.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>

#include <algorithm>

namespace korvane {

namespace {

constexpr int kLeft = 16;

QLabel* label(QWidget* window, const char* name, const char* text, int top) {
    auto* result = new QLabel(text, window);
    result->setObjectName(name);
    result->setGeometry(kLeft, top, 193, 16);
    return result;
}

QProgressBar* bar(QWidget* window, const char* name, int top) {
    auto* result = new QProgressBar(window);
    result->setObjectName(name);
    result->setGeometry(kLeft, top, 193, 17);
    result->setRange(0, 100);
    result->setValue(0);
    result->setTextVisible(false);
    return result;
}

} // namespace

TForm3::TForm3() : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint) {
    setObjectName("LoadingWindow");
    // The caption exists for the window list; without a caption bar it is never drawn.
    setWindowTitle("Загрузка...");
    setFixedSize(226, 170);
    setFont(verdana(8));

    Label1 = label(this, "Label1", "Загрузка...", 8);
    Label1->setFont(verdana(14, true));
    Label1->setFixedHeight(26);
    Label4 = label(this, "Label4", "Всего:", 40);
    ProgressBar2 = bar(this, "ProgressBar2", 56);
    Label3 = label(this, "Label3", "0 из 0", 76);
    Label5 = label(this, "Label5", "Текущий Файл:", 104);
    ProgressBar1 = bar(this, "ProgressBar1", 120);
    Label2 = label(this, "Label2", "0 из 0", 144);
}

// A range of 0 to 0 would make the bar a busy indicator; an empty run shows an empty bar instead.
void TForm3::setOverallMax(int max) {
    ProgressBar2->setMaximum(std::max(max, 1));
}
void TForm3::setOverallPosition(int position) {
    ProgressBar2->setValue(position);
}
void TForm3::setOverallText(const std::string& text) {
    Label3->setText(QString::fromStdString(text));
}
void TForm3::setCurrentMax(int max) {
    ProgressBar1->setMaximum(std::max(max, 1));
}
void TForm3::setCurrentPosition(int position) {
    ProgressBar1->setValue(position);
}
void TForm3::setCurrentText(const std::string& text) {
    Label2->setText(QString::fromStdString(text));
}
void TForm3::processEvents() {
    QCoreApplication::processEvents();
}

} // namespace korvane
