#include "app/TForm1.h"

#include "archive/ZipEngine.h"
#include "platform/qt/Centring.h"
#include "platform/qt/CheckListBox.h"
#include "settings/windows/TForm2.h"
#include "ui/EditionTitle.h"
#include "ui/Fonts.h"

#include <QFrame>
#include <QGridLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>

namespace korvane {

namespace {

constexpr int kClientWidth = 561;
constexpr int kClientHeight = 451;

} // namespace

TForm1::TForm1(WindowContext& context) : context_(context) {
    setObjectName("Form1");
    setWindowTitle(editionTitle());
    // A fixed frame: system menu, minimise and close, no maximise.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    createMenu();
    setAcceptDrops(true);

    auto* client = new QWidget(this);
    auto* stack = new QGridLayout(client);
    stack->setContentsMargins(0, 0, 0, 0);
    Panel1 = new QFrame(client);
    Panel1->setObjectName("Panel1");
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    stack->addWidget(Panel1, 0, 0);
    createPages();
    // Both fill the client area; the step pages lie over the empty panel and stay hidden until New.
    stack->addWidget(PageControl1, 0, 0);
    PageControl1->hide();
    setCentralWidget(client);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName("StatusBar1");
    StatusBar1->setSizeGripEnabled(false);
    setStatusBar(StatusBar1);

    Archiver = std::make_unique<TZipEngine>("Archiver");
    setUpArchiver();
    NoticeIndex = 0;
    createTimers();

    // The client area (below the menu) is fixed at 561 x 451.
    setFixedSize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
    move(180, 96);
}

TForm1::~TForm1() = default;

void TForm1::createMenu() {
    auto* file = menuBar()->addMenu("&Файл");
    New1 = file->addAction("&Новый .GRO архив");
    N1 = file->addSeparator();
    Exit1 = file->addAction("В&ыход");
    Options1 = menuBar()->addAction("&Настройки");
    auto* extra = menuBar()->addMenu("&Дополнительно");
    ConvertWLDversion1 = extra->addAction("Конвертировать карту из версии К1.50b в 1.07");
    auto* help = menuBar()->addMenu("&Помощь");
    About1 = help->addAction("&О программе...");
    Bugreports1 = help->addAction("&Сообщить об ошибке");

    const std::pair<QAction*, const char*> names[] = {
        {New1, "New1"},
        {N1, "N1"},
        {Exit1, "Exit1"},
        {Options1, "Options1"},
        {ConvertWLDversion1, "ConvertWLDversion1"},
        {About1, "About1"},
        {Bugreports1, "Bugreports1"},
    };
    for (const auto& [action, name] : names) {
        action->setObjectName(name);
    }
    connect(New1, &QAction::triggered, this, &TForm1::New1Click);
    connect(Exit1, &QAction::triggered, this, &TForm1::Exit1Click);
    connect(Options1, &QAction::triggered, this, &TForm1::Options1Click);
    connect(ConvertWLDversion1, &QAction::triggered, this, &TForm1::ConvertWLDversion1Click);
    connect(About1, &QAction::triggered, this, &TForm1::About1Click);
    connect(Bugreports1, &QAction::triggered, this, &TForm1::Bugreports1Click);
}

void TForm1::createPages() {
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName("PageControl1");
    PageControl1->setFont(verdana(8));
    TabSheet1 = createMapsStep();
    TabSheet2 = createFilesStep();
    TabSheet3 = createPackingStep();
    PageControl1->addTab(TabSheet1, "Список карт");
    PageControl1->addTab(TabSheet2, "Список файлов");
    PageControl1->addTab(TabSheet3, "Компиляция");
    for (int index = 0; index < PageControl1->count(); ++index) {
        PageControl1->setTabVisible(index, false);
    }
}

void TForm1::createTimers() {
    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(1);
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
    Timer1->start();

    Timer2 = new QTimer(this);
    Timer2->setObjectName("Timer2");
    Timer2->setInterval(5000);
    connect(Timer2, &QTimer::timeout, this, &TForm1::Timer2Timer);
    Timer2->start();
}

void TForm1::showStep(int pageIndex) {
    // The target tab first: hiding the current tab would otherwise make Qt pick another page.
    PageControl1->setTabVisible(pageIndex, true);
    PageControl1->setCurrentIndex(pageIndex);
    for (int index = 0; index < PageControl1->count(); ++index) {
        if (index != pageIndex) {
            PageControl1->setTabVisible(index, false);
        }
    }
}

void TForm1::New1Click() {
    MapItems.clear();
    fillModChoice();
    DestinationPath->clear();
    showStep(0);
    PageControl1->show();
}

void TForm1::Exit1Click() {
    close();
}

void TForm1::Options1Click() {
    showCentredOver(*forms_.Form2, *this);
}

} // namespace korvane
