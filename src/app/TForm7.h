// The about box: picture, title, a second line and the credits. Hiding it gives the main window its input back.
#pragma once

#include "settings/windows/WindowContext.h"

#include <QWidget>

class QLabel;
class QTextEdit;

namespace korvane {

class TForm7 : public QWidget {
    Q_OBJECT
public:
    explicit TForm7(WindowContext& context);

    QLabel* Image1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QTextEdit* Memo1 = nullptr;

protected:
    void hideEvent(QHideEvent* event) override;

private:
    void FormHide();
    void createCredits();

    WindowContext& context_;
};

} // namespace korvane
