// The main window: menu, the three-step wizard (maps, files, packing) and the status bar.
#pragma once

#include "archive/ZipTypes.h"
#include "platform/GameFolders.h"
#include "platform/NameList.h"
#include "scan/FileReasons.h"
#include "ui/WindowContext.h"

#include <QMainWindow>

#include <memory>
#include <string>
#include <vector>

class QAction;
class QCheckBox;
class QComboBox;
class QDragEnterEvent;
class QDropEvent;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QStatusBar;
class QTabWidget;
class QTimer;

namespace korvane {

class CheckListBox;
class MissingList;
class PackingEvents;
struct ChoiceRefused;
struct CollectResult;
class TZEBaseArchiver;
class TZipEngine;
class TForm2;
class TForm5;
class TForm6;
class TForm7;

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(WindowContext& context);
    ~TForm1() override;

    // The windows created after this one, handed over once they exist.
    struct Forms {
        TForm2* Form2 = nullptr;
        TForm5* Form5 = nullptr;
        TForm6* Form6 = nullptr;
        TForm7* Form7 = nullptr;
    };
    void attachForms(const Forms& forms) { forms_ = forms; }

    const std::string& InstallRoot() const { return context_.state.InstallRoot; }

    // Menu
    QAction* New1 = nullptr;
    QAction* N1 = nullptr;
    QAction* Exit1 = nullptr;
    QAction* Options1 = nullptr;
    QAction* ConvertWLDversion1 = nullptr;
    QAction* About1 = nullptr;
    QAction* Bugreports1 = nullptr;

    QFrame* Panel1 = nullptr;
    QTabWidget* PageControl1 = nullptr;
    QWidget* TabSheet1 = nullptr;
    QWidget* TabSheet2 = nullptr;
    QWidget* TabSheet3 = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    QTimer* Timer1 = nullptr;
    QTimer* Timer2 = nullptr;

    // Step 1
    QLabel* Label2 = nullptr;
    QLabel* Label1 = nullptr;
    NameList MapItems;
    CheckListBox* MapList = nullptr;
    QCheckBox* DeepScan = nullptr;  // our own option: follow references to any depth
    QLabel* MapThumbnail = nullptr; // our own: the selected map's thumbnail
    QLabel* MapThumbnailSize = nullptr;
    QLabel* Label8 = nullptr;
    QComboBox* ComboBox1 = nullptr; // our own option: the mod the maps are made for, "(нет)" first
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;

    // Step 2
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* DeepScanHint = nullptr;    // how many more files the deep scan would list
    QLabel* FilePreview = nullptr;     // our own: the selected texture's picture
    QLabel* FilePreviewSize = nullptr; // its size in pixels
    QLabel* FileChain = nullptr;       // our own: why the selected file is listed
    NameList FileItems;
    FileReasons Reasons; // why the last collection listed each file
    CheckListBox* FileList = nullptr;
    QPushButton* Button6 = nullptr;
    QPushButton* Button3 = nullptr;
    QPushButton* Button5 = nullptr;
    QPushButton* Button4 = nullptr;

    // Step 3
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QLineEdit* DestinationPath = nullptr;
    QPushButton* Button9 = nullptr;
    QPlainTextEdit* PackingLog = nullptr;
    QPushButton* Button8 = nullptr;
    QPushButton* Button7 = nullptr;

    std::unique_ptr<TZipEngine> Archiver;
    int NoticeIndex = 0;

    // Shows only the tab of the step (0, 1, 2) and makes it the active page.
    void showStep(int pageIndex);

    // Maps given on the command line or dropped on the window (TForm1Drops.cpp): a new archive with them in
    // step 1, for the installation and mod the first one lies in.
    void openMaps(const std::vector<std::string>& paths);
    // A map to open once the start-up check has let the window be used.
    void openMapAfterStartup(std::string path) { startupMap_ = std::move(path); }

public slots:
    void New1Click();
    void Exit1Click();
    void Options1Click();
    void ConvertWLDversion1Click();
    void About1Click();
    void Bugreports1Click();
    void Timer1Timer();
    void Timer2Timer();

    void Button1Click();            // add maps
    void CheckListBox1ClickCheck(); // a check mark toggled in MapList or FileList
    void Button2Click();            // collection run
    void Button3Click();            // add files
    void Button6Click();            // sort by folder
    void Button5Click();            // back to step 1
    void Button4Click();            // on to step 3
    void Button8Click();            // back to step 2
    void Button9Click();            // choose destination
    void Button7Click();            // packing run
    void MapListClick();            // a map selected: its thumbnail
    void FileListClick();           // a file selected: its picture and why it is listed

public:
    // Archiver events, bound when the window is created; they come up only during a packing run.
    void ArchiverFileProgress(TZEBaseArchiver& Sender, const std::string& FileName, double Progress,
                              TZEProcessOperation Operation, TZEProgressPhase ProgressPhase, bool& Cancel);
    void ArchiverProcessFileFailure(TZEBaseArchiver& Sender, const std::string& FileName, TZEProcessOperation Operation,
                                    int NativeError, int ErrorCode, const std::string& ErrorMessage, TZEAction& Action);
    void ArchiverDiskFull(TZEBaseArchiver& Sender, int VolumeNumber, const std::string& VolumeFileName, bool& Cancel);
    void ArchiverConfirmOverwrite(TZEBaseArchiver& Sender, const std::string& SourceFileName, std::string& DestFileName,
                                  bool& Confirm);

protected:
    bool event(QEvent* event) override;
    // Local .wld files start a new archive; .gro files open in the viewer.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void createMenu();
    void createPages();
    QWidget* createMapsStep();
    QWidget* createFilesStep();
    QWidget* createPackingStep();
    void createTimers();
    // The collection run with the window busy.
    CollectResult collectFiles(MissingList& missing);
    void showDeepScanHint(int more);
    // Each refused choice in its own message, in order.
    void showRefusals(const std::vector<ChoiceRefused>& refused);
    void setUpArchiver();
    void checkInstallation();

    // Makes the map's installation the session's when it has standard lists; false (the reason shown) if not.
    bool switchInstallation(const std::string& installRoot);
    void openArchives(const std::vector<std::string>& paths);

    // The mod choice of step 1 (TForm1Mods.cpp).
    void fillModChoice();
    std::string chosenMod() const;
    GameFolders gameFolders() const;

    WindowContext& context_;
    Forms forms_;
    // The answers of the packing run in progress; null between runs.
    PackingEvents* packingEvents_ = nullptr;
    std::string startupMap_;
};

} // namespace korvane
