#include "settings/windows/TForm5.h"

#include "archive/ZipEngine.h"
#include "platform/qt/CheckListBox.h"
#include "platform/qt/QuietEnter.h"
#include "settings/StandardPresets.h"
#include "settings/TextLines.h"
#include "ui/EditionTitle.h"
#include "ui/Named.h"

#include <QButtonGroup>
#include <QFont>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace korvane {

namespace {

QPlainTextEdit* readOnlyText(const char* name, const std::string& text) {
    auto* memo = named<QPlainTextEdit>(name, QString::fromStdString(text));
    memo->setReadOnly(true);
    return memo;
}

QHBoxLayout* buttonRow(QPushButton* left, QPushButton* right) {
    auto* row = new QHBoxLayout;
    if (left != nullptr) {
        row->addWidget(left);
    }
    row->addStretch();
    row->addWidget(right);
    return row;
}

// The explanation across the whole group, tall enough to be read without scrolling, on the window's grey;
// the list and its example side by side below it.
void layOutCustomArchives(QGroupBox& group, QPlainTextEdit& note, QPlainTextEdit& list, QPlainTextEdit& example) {
    note.setFrameShape(QFrame::NoFrame);
    note.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    note.setFixedHeight(note.fontMetrics().lineSpacing() * 8 + 8);
    QPalette background = note.palette();
    background.setColor(QPalette::Base, background.color(QPalette::Window));
    note.setPalette(background);
    list.setFixedHeight(130);
    example.setFixedHeight(130);
    auto* lists = new QHBoxLayout;
    lists->addWidget(&list);
    lists->addWidget(&example);
    auto* layout = new QVBoxLayout(&group);
    layout->addWidget(&note);
    layout->addLayout(lists);
}

} // namespace

TForm5::TForm5(WindowContext& context)
    : Flow(context.state, context.settings, context.places), Archiver(std::make_unique<TZipEngine>("Archiver")),
      context_(context) {
    setObjectName("Form5");
    setWindowTitle(editionTitle() + " - Первый запуск");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    PageControl1 = named<QTabWidget>("PageControl1");
    buildPage1();
    buildPage2();
    buildPage3();
    buildPage4();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PageControl1);
    setFixedSize(560, 600);

    for (int page = 1; page < PageControl1->count(); ++page) {
        PageControl1->setTabVisible(page, false);
    }
    PageControl1->setCurrentIndex(0);
}

TForm5::~TForm5() = default;

void TForm5::buildPage1() {
    TabSheet1 = named<QWidget>("TabSheet1");
    Label1 = named<QLabel>("Label1", "Хай, добро пожаловать в замечательный мир Korvane!=)");
    QFont bold = Label1->font();
    bold.setBold(true);
    Label1->setFont(bold);
    Memo1 =
        readOnlyText("Memo1", "Так как это первый запуск вам необходимо будет указать кое-какие настройки перед тем "
                              "как начать пользоваться программой.\n"
                              "Пожалуйста нажмите на кнопку \"Далее\", чтобы начать процесс настройки. ");
    Button1 = named<QPushButton>("Button1", "Далее >>");
    auto* layout = new QVBoxLayout(TabSheet1);
    layout->addWidget(Label1);
    layout->addWidget(Memo1);
    layout->addLayout(buttonRow(nullptr, Button1));
    PageControl1->addTab(TabSheet1, "Вначале немного инфы");
    connect(Button1, &QPushButton::clicked, this, &TForm5::Button1Click);
}

void TForm5::buildPage2() {
    TabSheet2 = named<QWidget>("TabSheet2");
    Label2 = named<QLabel>("Label2", "Укажите путь к папке, в которую установлен \"Крутой Сэм\"");
    Label3 = named<QLabel>("Label3", "Например: C:\\Program Files\\Croteam\\Крутой Сэм\\");
    InstallPathField = named<QLineEdit>("InstallPathField");
    Button2 = named<QPushButton>("Button2", "Выбрать");

    VersionChoice = named<QGroupBox>("VersionChoice", "Выберите версию вашего установленного \"Крутого Сэма\"");
    RadioButton1 = named<QRadioButton>("RadioButton1", "The Second Encounter v1.07");
    RadioButton2 = named<QRadioButton>("RadioButton2", "The First Encounter v1.05");
    RadioButton3 = named<QRadioButton>("RadioButton3", "Другой");
    VersionItems = new QButtonGroup(VersionChoice);
    VersionItems->addButton(RadioButton1, 0);
    VersionItems->addButton(RadioButton2, 1);
    VersionItems->addButton(RadioButton3, 2);
    auto* versions = new QVBoxLayout(VersionChoice);
    versions->addWidget(RadioButton1);
    versions->addWidget(RadioButton2);
    versions->addWidget(RadioButton3);
    VersionChoice->hide();
    EditionLabel = named<QLabel>("EditionLabel");
    EditionLabel->setWordWrap(true);

    GroupBox1 = named<QGroupBox>("GroupBox1", "Укажите стандартные .GRO архивы");
    Memo2 = readOnlyText("Memo2", "Так как ваша версия игры по умолчанию не поддерживается, то \n"
                                  "вам необходимо вручную заполнить список стандартных .GRO файлов,которые "
                                  "включенны в эту версию.\n\n"
                                  "Файлы внутри этих .GRO архивов\n"
                                  "никогда не будут заноситься\n"
                                  "в созданные вами архивы.");
    CustomGroList = named<QPlainTextEdit>("CustomGroList");
    CustomGroList->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    CustomGroList->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo3 = readOnlyText("Memo3", "Например, список для SS:SE v1.07:\n" +
                                      joinLines(presetArchives(GamePreset::SecondEncounter107)));
    layOutCustomArchives(*GroupBox1, *Memo2, *CustomGroList, *Memo3);
    GroupBox1->hide();

    Button3 = named<QPushButton>("Button3", "Далее >>");
    auto* pathRow = new QHBoxLayout;
    pathRow->addWidget(InstallPathField);
    pathRow->addWidget(Button2);
    auto* layout = new QVBoxLayout(TabSheet2);
    layout->addWidget(Label2);
    layout->addWidget(Label3);
    layout->addLayout(pathRow);
    layout->addWidget(VersionChoice);
    layout->addWidget(EditionLabel);
    layout->addWidget(GroupBox1);
    layout->addStretch();
    layout->addLayout(buttonRow(nullptr, Button3));
    PageControl1->addTab(TabSheet2, "Установки для \"Крутого Сэма\"");

    Button2->setAutoDefault(false);
    ignoreEnter(*InstallPathField);

    connect(Button2, &QPushButton::clicked, this, &TForm5::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TForm5::Button3Click);
    connect(InstallPathField, &QLineEdit::textChanged, this, &TForm5::InstallPathFieldChange);
    connect(VersionItems, &QButtonGroup::idClicked, this, &TForm5::VersionChoiceClick);
}

void TForm5::buildPage3() {
    TabSheet3 = named<QWidget>("TabSheet3");
    Memo4 = readOnlyText("Memo4", "Это список стандартных файлов игры, которые никогда не будут включены в ваш .GRO "
                                  "архив. При желании вы можете добавить или убрать из него необходимые элементы.");
    Memo4->setFixedHeight(60);
    WizardStandardList = new CheckListBox(WizardItems, true, nullptr);
    WizardStandardList->setObjectName("WizardStandardList");
    Button4 = named<QPushButton>("Button4", "Добавить файл");
    Button5 = named<QPushButton>("Button5", "<< Назад");
    Button6 = named<QPushButton>("Button6", "Далее >>");
    auto* buttons = buttonRow(Button5, Button6);
    buttons->insertWidget(1, Button4);
    auto* layout = new QVBoxLayout(TabSheet3);
    layout->addWidget(Memo4);
    layout->addWidget(WizardStandardList);
    layout->addLayout(buttons);
    PageControl1->addTab(TabSheet3, "Стандартные файлы");

    Button4->setAutoDefault(false);

    connect(Button4, &QPushButton::clicked, this, &TForm5::Button4Click);
    connect(Button5, &QPushButton::clicked, this, &TForm5::Button5Click);
    connect(Button6, &QPushButton::clicked, this, &TForm5::Button6Click);
}

void TForm5::buildPage4() {
    TabSheet4 = named<QWidget>("TabSheet4");
    Memo5 = readOnlyText("Memo5", "Все настройки завершены и вы можете смело приступать к работе с Korvane! \n"
                                  "Также, если понадобится, вы можете изменить все эти настройки в меню "
                                  "\"Настройки\".\n"
                                  "После нажатия кнопки \"Финиш\" перейдите в \"Файл -> Новый .GRO архив\" чтобы "
                                  "начать создание своего .GRO архива. :)");
    Button7 = named<QPushButton>("Button7", "<< Назад");
    Button8 = named<QPushButton>("Button8", "Финиш");
    auto* layout = new QVBoxLayout(TabSheet4);
    layout->addWidget(Memo5);
    layout->addLayout(buttonRow(Button7, Button8));
    PageControl1->addTab(TabSheet4, "Всё готово!");

    connect(Button7, &QPushButton::clicked, this, &TForm5::Button7Click);
    connect(Button8, &QPushButton::clicked, this, &TForm5::Button8Click);
}

} // namespace korvane
