#include "app/Application.h"

#include "app/ArchiveViewer.h"
#include "app/TForm1.h"
#include "app/TForm3.h"
#include "app/TForm7.h"
#include "app/Translations.h"
#include "platform/SettingsStore.h"
#include "platform/Terminal.h"
#include "platform/UserError.h"
#include "platform/qt/QtDialogs.h"
#include "platform/qt/QtShell.h"
#include "scan/windows/TForm6.h"
#include "settings/MapInstallation.h"
#include "settings/SettingsFiles.h"
#include "settings/windows/TForm2.h"
#include "settings/windows/TForm4.h"
#include "settings/windows/TForm5.h"

#include <QApplication>
#include <QEvent>
#include <QIcon>
#include <QTranslator>
#include <QWidget>

#include <memory>

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

namespace {

// The configured installation's standard files, when there are any, so that the check can name the packed
// files that would replace them; an unreadable configuration only drops that rule.
bool loadConfiguredStandardFiles(SettingsStore& settings, AppState& state) {
    try {
        ReadInstallRoot(state, settings);
        return !state.InstallRoot.empty() && LoadStandardLists(state);
    } catch (const UserError&) {
        return false;
    }
}

int runArchiveViewer(const std::string& archivePath, SettingsStore& settings) {
    QApplication::setQuitOnLastWindowClosed(true);
    AppState state;
    const bool standard = loadConfiguredStandardFiles(settings, state);
    ArchiveViewer viewer(archivePath, standard ? &state : nullptr);
    viewer.show();
    return QApplication::exec();
}

} // namespace

QIcon programIcon() {
    QIcon builtIn;
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        builtIn.addFile(QString(":/icons/korvane-%1.png").arg(size), QSize(size, size));
    }
    return QIcon::fromTheme("korvane", builtIn);
}

int runKorvane(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("Korvane");
    QApplication::setDesktopFileName("korvane");
    QApplication::setWindowIcon(programIcon());
    QTranslator toolkitTexts;
    installToolkitTranslation(toolkitTexts);
    // The same store as the command line's: the registry on Windows, the settings file elsewhere.
    const std::unique_ptr<SettingsStore> store = machineSettings();
    SettingsStore& settings = *store;

    // What is left after the toolkit's own options: a map to start an archive with, or a .gro to show, from
    // the file manager or a terminal.
    const QStringList arguments = QApplication::arguments();
    const std::string lone = arguments.size() == 2 ? arguments[1].toStdString() : std::string();
    const bool map = !lone.empty() && isMapFile(lone);
    if (!map && !lone.empty() && isArchiveToView(lone)) {
        return runArchiveViewer(lone, settings);
    }
    QApplication::setQuitOnLastWindowClosed(false);
    // Message boxes are modal to the whole application and centred over the window they belong to.
    QtDialogs dialogs(nullptr);
    QtShell shell;
    AppState state;
    WindowContext context{state, dialogs, shell, settings, DetectionPlaces::fromEnvironment()};
    KorvaneWindows windows(context);
    dialogs.setFallbackOwner(windows.form1.get());

    quitWhenClosed(*windows.form1);
    if (map) {
        windows.form1->openMapAfterStartup(lone);
    }
    windows.form1->show();
    return QApplication::exec();
}

} // namespace korvane
