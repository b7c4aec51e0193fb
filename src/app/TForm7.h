// The about box: picture, title, a second line and the credits. It stays above the main window it disables;
// hiding it (also by Escape) gives the main window its input back.
#pragma once

#include "ui/WindowContext.h"

#include <QDialog>

class QLabel;
class QTextEdit;

namespace korvane {

class TForm7 : public QDialog {
    Q_OBJECT
public:
    explicit TForm7(WindowContext& context);

    QLabel* Image1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QTextEdit* Memo1 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void FormHide();
    void createCredits();

    WindowContext& context_;
};

} // namespace korvane
