// The three step pages of the main window, laid out at fixed positions like the rest of the frame.
#include "app/TForm1.h"

#include "platform/BesideFiles.h"
#include "platform/qt/CheckListBox.h"
#include "ui/Fonts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace korvane {

namespace {

// Every page shares these columns and rows: lists and boxes span 16..537, buttons sit on the bottom row.
constexpr int kLeft = 16;
constexpr int kRight = 537;
constexpr int kButtonWidth = 90;
constexpr int kButtonHeight = 25;
constexpr int kBottomRow = 368;
constexpr int kThumbnailSide = 128;
constexpr int kPreviewWidth = 160;

QLabel* label(QWidget* page, const char* name, const QString& text, int left, int top) {
    auto* result = new QLabel(text, page);
    result->setObjectName(name);
    result->move(left, top);
    result->adjustSize();
    return result;
}

QLabel* title(QWidget* page, const char* name, const QString& text) {
    auto* result = label(page, name, text, 8, 8);
    result->setFont(verdana(14, true));
    result->adjustSize();
    return result;
}

QPushButton* button(QWidget* page, const char* name, const QString& text, int left, int top, int width) {
    auto* result = new QPushButton(text, page);
    result->setObjectName(name);
    result->setGeometry(left, top, width, kButtonHeight);
    return result;
}

QPushButton* bottomLeft(QWidget* page, const char* name, const QString& text) {
    return button(page, name, text, kLeft, kBottomRow, kButtonWidth);
}

QPushButton* bottomRight(QWidget* page, const char* name, const QString& text) {
    return button(page, name, text, kRight - kButtonWidth, kBottomRow, kButtonWidth);
}

// A sunken box that shows a picture centred in it, or a short text in its place.
QLabel* previewBox(QWidget* page, const char* name, int left, int width, int height) {
    auto* result = new QLabel(page);
    result->setObjectName(name);
    result->setGeometry(left, 64, width, height);
    result->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    result->setAlignment(Qt::AlignCenter);
    return result;
}

CheckListBox* checkList(QWidget* page, NameList& items, const char* name, int height) {
    auto* result = new CheckListBox(items, true, page);
    result->setObjectName(name);
    result->setGeometry(kLeft, 64, kRight - kLeft, height);
    return result;
}

} // namespace

QWidget* TForm1::createMapsStep() {
    auto* page = new QWidget;
    page->setObjectName("TabSheet1");
    Label2 = title(page, "Label2", "Шаг 1.");
    Label1 = label(page, "Label1", "Пожалуйста, укажите карты, которые должны быть включены в этот .GRO архив.", 8, 40);
    MapList = checkList(page, MapItems, "MapList", 281);
    // The selected map's thumbnail sits right of the list.
    MapList->setFixedWidth(kRight - kLeft - kThumbnailSide - 8);
    MapThumbnail = previewBox(page, "MapThumbnail", kRight - kThumbnailSide, kThumbnailSide, kThumbnailSide);
    MapThumbnailSize = label(page, "MapThumbnailSize", "", kRight - kThumbnailSide, 64 + kThumbnailSide + 4);
    MapThumbnailSize->setFixedWidth(kThumbnailSide);
    DeepScan = new QCheckBox("Глубокий поиск зависимостей", page);
    DeepScan->setObjectName("DeepScan");
    DeepScan->move(kLeft, 64 + 281 + 2);
    DeepScan->adjustSize();
    ComboBox1 = new QComboBox(page);
    ComboBox1->setObjectName("ComboBox1");
    ComboBox1->setGeometry(kRight - 160, 64 + 281 + 2, 160, DeepScan->height());
    Label8 = label(page, "Label8", "Мод:", kRight - 160 - 40, 64 + 281 + 2 + 3);
    Button1 = bottomLeft(page, "Button1", "Добавить...");
    Button2 = bottomRight(page, "Button2", "Далее >>");

    connect(Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm1::Button2Click);
    connect(MapList, &CheckListBox::clickCheck, this, &TForm1::CheckListBox1ClickCheck);
    connect(MapList->selectionModel(), &QItemSelectionModel::currentChanged, this, &TForm1::MapListClick);
    return page;
}

QWidget* TForm1::createFilesStep() {
    auto* page = new QWidget;
    page->setObjectName("TabSheet2");
    Label3 = title(page, "Label3", "Шаг 2.");
    Label4 = label(page, "Label4", "Проверьте, все ли необходимые файлы находятся в этом списке.", 8, 40);
    FileList = checkList(page, FileItems, "FileList", 249);
    // Right of the list: the selected file's picture, when it is a texture, and why it is listed.
    const int column = kRight - kPreviewWidth;
    FileList->setFixedWidth(column - 8 - kLeft);
    FilePreview = previewBox(page, "FilePreview", column, kPreviewWidth, 120);
    FilePreviewSize = label(page, "FilePreviewSize", "", column, 64 + 120 + 4);
    FilePreviewSize->setFixedWidth(kPreviewWidth);
    FileChain = label(page, "FileChain", "", column, 64 + 120 + 22);
    FileChain->setWordWrap(true);
    FileChain->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    FileChain->setFixedSize(kPreviewWidth, 249 - 120 - 22);
    // A file the game uses only as a plain file is packed beside the archive, not into it: say so beside it.
    FileList->setAnnotator([](const std::string& name) -> CheckListBox::Note {
        const auto reason = besideReason(name);
        if (!reason) {
            return {};
        }
        return {"ship beside the archive", std::string("Ship beside the archive: ") + besideReasonText(*reason) + "."};
    });
    const int underList = 64 + 249 + 6;
    Button6 = button(page, "Button6", "Рассортировать", kLeft, underList, 110);
    Button3 = button(page, "Button3", "Добавить...", kRight - kButtonWidth, underList, kButtonWidth);
    DeepScanHint = label(page, "DeepScanHint", "", kLeft, underList + kButtonHeight + 4);
    // Its text comes after each collection: it wraps within the list's width and takes the height it needs.
    DeepScanHint->setWordWrap(true);
    DeepScanHint->setFixedWidth(kRight - kLeft);
    DeepScanHint->hide();
    Button5 = bottomLeft(page, "Button5", "<< Назад");
    Button4 = bottomRight(page, "Button4", "Next >>");

    connect(FileList, &CheckListBox::clickCheck, this, &TForm1::CheckListBox1ClickCheck);
    connect(FileList->selectionModel(), &QItemSelectionModel::currentChanged, this, &TForm1::FileListClick);
    connect(Button6, &QPushButton::clicked, this, &TForm1::Button6Click);
    connect(Button3, &QPushButton::clicked, this, &TForm1::Button3Click);
    connect(Button5, &QPushButton::clicked, this, &TForm1::Button5Click);
    connect(Button4, &QPushButton::clicked, this, &TForm1::Button4Click);
    return page;
}

QWidget* TForm1::createPackingStep() {
    auto* page = new QWidget;
    page->setObjectName("TabSheet3");
    Label5 = title(page, "Label5", "Щаг 3.");
    Label6 = label(page, "Label6", "Укажите место, куда будет сохранён ваш .GRO архив и нажмите на кнопку \"Финиш\".",
                   8, 40);
    Label7 = label(page, "Label7", "Путь", kLeft, 64);

    DestinationPath = new QLineEdit(page);
    DestinationPath->setObjectName("DestinationPath");
    DestinationPath->setGeometry(kLeft, 80, 449, 23);
    Button9 = button(page, "Button9", "Выбрать", kLeft + 449 + 6, 79, kRight - (kLeft + 449 + 6));

    PackingLog = new QPlainTextEdit(page);
    PackingLog->setObjectName("PackingLog");
    PackingLog->setGeometry(kLeft, 112, kRight - kLeft, 233);
    PackingLog->setReadOnly(true);
    PackingLog->setLineWrapMode(QPlainTextEdit::NoWrap);
    PackingLog->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette grey = PackingLog->palette();
    grey.setColor(QPalette::Base, grey.color(QPalette::Window));
    PackingLog->setPalette(grey);

    Button8 = bottomLeft(page, "Button8", "<< Назад");
    Button7 = bottomRight(page, "Button7", "Финиш");

    connect(Button9, &QPushButton::clicked, this, &TForm1::Button9Click);
    connect(Button8, &QPushButton::clicked, this, &TForm1::Button8Click);
    connect(Button7, &QPushButton::clicked, this, &TForm1::Button7Click);
    return page;
}

} // namespace korvane
