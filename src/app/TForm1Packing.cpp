// Step 3 of the main window: choosing the destination, the packing run, and the archiver's events.
#include "app/TForm1.h"

#include "archive/ZipEngine.h"
#include "jobs/PackJob.h"
#include "pack/GameLimitsCheck.h"
#include "pack/PackingArchiver.h"
#include "pack/PackingEvents.h"
#include "pack/PackingMessages.h"
#include "pack/PackingReport.h"
#include "pack/PackingScreen.h"
#include "settings/KeptArchives.h"
#include "ui/BusyScope.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>

#include <functional>
#include <optional>

namespace korvane {

namespace {

class MainWindowScreen : public PackingScreen {
public:
    MainWindowScreen(TForm1& form, QLineEdit& destination, QPlainTextEdit& log, LoadingWindowControl& loading)
        : form_(form), destination_(destination), log_(log), loading_(loading) {}

    void showDestination(const std::string& path) override { destination_.setText(QString::fromStdString(path)); }
    void clearLog() override { log_.clear(); }
    void appendLine(const std::string& line) override { log_.appendPlainText(QString::fromStdString(line)); }
    void extendLastLine(const std::string& text) override {
        QTextCursor end(log_.document());
        end.movePosition(QTextCursor::End);
        end.insertText(QString::fromStdString(text));
    }
    void setBusy(bool busy) override {
        busy_.reset();
        if (busy) {
            busy_.emplace(form_, loading_, BusyScope::Placement::WhereItStands);
        }
    }

private:
    TForm1& form_;
    QLineEdit& destination_;
    QPlainTextEdit& log_;
    LoadingWindowControl& loading_;
    std::optional<BusyScope> busy_;
};

// The run's reports as the design's message boxes.
class MainWindowReport : public PackingReport {
public:
    MainWindowReport(UserDialogs& dialogs, Shell& shell) : dialogs_(dialogs), shell_(shell) {}

    void fileFailed(const std::string& text) override { dialogs_.showMessage(text); }
    void stopped(PackingStop stop, const std::string& detail) override {
        dialogs_.showMessage(stopMessage(stop, detail));
    }
    void limitsBroken(const std::vector<std::string>& warnings) override {
        dialogs_.showMessage(gameLimitsMessage(warnings));
    }
    void filesLeftOut(const std::vector<std::string>& besideFiles) override {
        dialogs_.showMessage(filesLeftOutMessage(besideFiles));
    }
    void packed(const std::string& folder, const std::vector<std::string>& besideFiles) override {
        if (dialogs_.askYesNo(packedQuestion(besideFiles)) && !shell_.openFolder(folder)) {
            dialogs_.showMessage(folderNotOpened(folder));
        }
    }

private:
    UserDialogs& dialogs_;
    Shell& shell_;
};

} // namespace

void TForm1::setUpArchiver() {
    applyPackingDefaults(*Archiver);
    Archiver->OnFileProgress = std::bind_front(&TForm1::ArchiverFileProgress, this);
    Archiver->OnProcessFileFailure = std::bind_front(&TForm1::ArchiverProcessFileFailure, this);
    Archiver->OnDiskFull = std::bind_front(&TForm1::ArchiverDiskFull, this);
    Archiver->OnConfirmOverwrite = std::bind_front(&TForm1::ArchiverConfirmOverwrite, this);
}

void TForm1::Button9Click() {
    SaveFileRequest request;
    request.filter = "*.GRO|*.GRO";
    // A mod's archive belongs in the mod's folder, where the game loads it with the mod.
    const GameFolders folders = gameFolders();
    request.initialFolder = folders.startFolder();
    request.promptOverwrite = true;
    if (const auto chosen = context_.dialogs.saveFile(request)) {
        DestinationPath->setText(QString::fromStdString(*chosen));
    }
}

void TForm1::Button7Click() {
    MainWindowScreen screen(*this, *DestinationPath, *PackingLog, *context_.loading);
    MainWindowReport report(context_.dialogs, context_.shell);
    PackingEvents events(*context_.loading, screen, report);
    packingEvents_ = &events;
    struct Forget {
        PackingEvents*& events;
        ~Forget() { events = nullptr; }
    } forget{packingEvents_};
    packSelection({gameFolders(), MapItems.names(), DestinationPath->text().toStdString(), FileItems},
                  {*Archiver, events, *context_.loading, screen, report, &context_.state, chosenMod()});
}

void TForm1::ArchiverFileProgress(TZEBaseArchiver&, const std::string&, double Progress, TZEProcessOperation,
                                  TZEProgressPhase ProgressPhase, bool&) {
    if (packingEvents_ != nullptr) {
        packingEvents_->FileProgress(Progress, ProgressPhase);
    }
}

void TForm1::ArchiverProcessFileFailure(TZEBaseArchiver&, const std::string&, TZEProcessOperation, int, int,
                                        const std::string& ErrorMessage, TZEAction& Action) {
    if (packingEvents_ != nullptr) {
        Action = packingEvents_->ProcessFileFailure(ErrorMessage);
    }
}

void TForm1::ArchiverDiskFull(TZEBaseArchiver&, int, const std::string&, bool& Cancel) {
    if (packingEvents_ != nullptr) {
        Cancel = packingEvents_->DiskFull();
    }
}

void TForm1::ArchiverConfirmOverwrite(TZEBaseArchiver&, const std::string&, std::string&, bool& Confirm) {
    Confirm = PackingEvents::ConfirmOverwrite();
}

} // namespace korvane
