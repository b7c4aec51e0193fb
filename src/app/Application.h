// Program entry: the application, its settings and desktop seams, and the seven windows.
#pragma once

#include "ui/WindowContext.h"

#include <memory>

class QIcon;
class QWidget;

namespace korvane {

class TForm1;
class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TForm6;
class TForm7;

// The seven windows, created once in their fixed order and destroyed only when the program ends.
class KorvaneWindows {
public:
    explicit KorvaneWindows(WindowContext& context);
    ~KorvaneWindows();
    KorvaneWindows(const KorvaneWindows&) = delete;
    KorvaneWindows& operator=(const KorvaneWindows&) = delete;

    std::unique_ptr<TForm1> form1;
    std::unique_ptr<TForm2> form2;
    std::unique_ptr<TForm3> form3;
    std::unique_ptr<TForm4> form4;
    std::unique_ptr<TForm5> form5;
    std::unique_ptr<TForm6> form6;
    std::unique_ptr<TForm7> form7;
};

// Closing the main window ends the message loop, whatever other windows are open at that moment.
void quitWhenClosed(QWidget& mainWindow);

// The icon theme's picture once installed; the copy built into the program when run from the build folder.
QIcon programIcon();

// Runs Korvane until its main window closes; returns the exit code.
int runKorvane(int argc, char** argv);

} // namespace korvane
