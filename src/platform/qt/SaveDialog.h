// The save dialog of the archive and of converted maps: the chosen file's folder must already exist.
#pragma once

#include <QFileDialog>

namespace korvane {

class SaveDialog : public QFileDialog {
public:
    explicit SaveDialog(QWidget* parent);

    void accept() override;
};

} // namespace korvane
