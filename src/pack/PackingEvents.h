// The main window's answers to its archiver's events during a packing run, and what they tell the run.
#pragma once

#include "archive/ZipTypes.h"

#include <string>

namespace korvane {

class PackingReport;
class PackingScreen;
class ProgressSink;

class PackingEvents {
public:
    PackingEvents(ProgressSink& progress, PackingScreen& screen, PackingReport& report);

    // The current-file bar and its label follow the engine's percentage.
    void FileProgress(double Progress, TZEProgressPhase ProgressPhase);
    // Logged and reported; the engine drops the file being added.
    TZEAction ProcessFileFailure(const std::string& ErrorMessage);
    // Logged and reported; the answer is Cancel.
    bool DiskFull();
    // Replacing an entry is always confirmed.
    static bool ConfirmOverwrite() { return true; }

    // What the engine reported for the AddFiles call that follows.
    void startFile();
    bool fileFailed() const { return failed_; }
    bool fileWritten() const { return written_; }

private:
    void reportError(const std::string& text);

    ProgressSink& progress_;
    PackingScreen& screen_;
    PackingReport& report_;
    bool failed_ = false;
    bool written_ = false;
};

} // namespace korvane
