// LoadingWindow: the borderless progress window with an overall and a current-item bar and counter.
#pragma once

#include "platform/qt/LoadingWindowControl.h"

#include <QWidget>

class QLabel;
class QProgressBar;

namespace korvane {

class TForm3 : public QWidget, public LoadingWindowControl {
    Q_OBJECT
public:
    TForm3();

    QLabel* Label1 = nullptr;
    QLabel* Label4 = nullptr;
    QProgressBar* ProgressBar2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label5 = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    QLabel* Label2 = nullptr;

    QWidget* widget() override { return this; }
    void setOverallMax(int max) override;
    void setOverallPosition(int position) override;
    void setOverallText(const std::string& text) override;
    void setCurrentMax(int max) override;
    void setCurrentPosition(int position) override;
    void setCurrentText(const std::string& text) override;
    void processEvents() override;
};

} // namespace korvane
