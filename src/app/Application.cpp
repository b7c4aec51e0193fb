#include "app/Application.h"

#include "app/TForm1.h"
#include "app/TForm3.h"
#include "app/TForm7.h"
#include "platform/SettingsStore.h"
#include "platform/qt/QtDialogs.h"
#include "platform/qt/QtShell.h"
#include "scan/windows/TForm6.h"
#include "settings/windows/TForm2.h"
#include "settings/windows/TForm4.h"
#include "settings/windows/TForm5.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace korvane {

namespace {

class QuitWithMainWindow : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Close) {
            QCoreApplication::quit();
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

KorvaneWindows::KorvaneWindows(WindowContext& context) {
    form1 = std::make_unique<TForm1>(context);
    context.mainWindow = form1.get();
    form2 = std::make_unique<TForm2>(context);
    form3 = std::make_unique<TForm3>();
    context.loading = form3.get();
    form4 = std::make_unique<TForm4>(context, *form2);
    form5 = std::make_unique<TForm5>(context);
    form6 = std::make_unique<TForm6>(context);
    form7 = std::make_unique<TForm7>(context);
    form1->attachForms({form2.get(), form5.get(), form6.get(), form7.get()});
}

KorvaneWindows::~KorvaneWindows() = default;

void quitWhenClosed(QWidget& mainWindow) {
    mainWindow.installEventFilter(new QuitWithMainWindow(&mainWindow));
}

int runKorvane(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("Korvane");
    QApplication::setQuitOnLastWindowClosed(false);

    FileSettingsStore settings(FileSettingsStore::defaultLocation());
    // Message boxes without an owner are modal to the whole application, whichever window is showing.
    QtDialogs dialogs(nullptr);
    QtShell shell;
    AppState state;
    WindowContext context{state, dialogs, shell, settings};
    KorvaneWindows windows(context);

    quitWhenClosed(*windows.form1);
    windows.form1->show();
    return QApplication::exec();
}

} // namespace korvane
