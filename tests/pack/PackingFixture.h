// A packing run over a test installation, with the engine's events answered as the main window answers them.
#pragma once

#include "archive/ZipEngine.h"
#include "pack/GameLimitsCheck.h"
#include "pack/PackingArchiver.h"
#include "pack/PackingEvents.h"
#include "pack/PackingMessages.h"
#include "pack/PackingReport.h"
#include "pack/PackingRun.h"
#include "pack/PackingScreen.h"
#include "platform/NameList.h"
#include "platform/ProgressSink.h"
#include "support/RecordingProgress.h"
#include "support/TempDir.h"
#include "support/TestBytes.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace korvane::testing {

// The two questions that close a run.
constexpr const char* kSomeMissing = "Some files could not be included in the GRO. See the log for details.";
constexpr const char* kSuccess =
    "The gro has been successfully created.\nDo you wish to open the destination directory?";

class RecordingScreen : public PackingScreen {
public:
    std::vector<std::string> log;
    std::string destination;
    std::vector<bool> busy;

    void showDestination(const std::string& path) override { destination = path; }
    void clearLog() override { log.clear(); }
    void appendLine(const std::string& line) override { log.push_back(line); }
    void extendLastLine(const std::string& text) override { log.back() += text; }
    void setBusy(bool value) override { busy.push_back(value); }
};

// The run's reports, worded as the front ends word them.
class RecordingReport : public PackingReport {
public:
    std::vector<std::string> shown;
    std::vector<std::string> packedIn; // the folders of complete archives

    void fileFailed(const std::string& text) override { shown.push_back(text); }
    void stopped(PackingStop stop, const std::string& detail) override { shown.push_back(stopMessage(stop, detail)); }
    void limitsBroken(const std::vector<std::string>& warnings) override {
        shown.push_back(gameLimitsMessage(warnings));
    }
    void filesLeftOut(const std::vector<std::string>& besideFiles) override {
        shown.push_back(filesLeftOutMessage(besideFiles));
    }
    void packed(const std::string& folder, const std::vector<std::string>& besideFiles) override {
        shown.push_back(packedQuestion(besideFiles));
        packedIn.push_back(folder);
    }
};

// What a run talks to, recorded, with the engine's events bound as the main window binds them.
struct RecordedRun {
    TZipEngine archiver{"Archiver"};
    RecordingScreen screen;
    RecordingProgress progress;
    RecordingReport report;
    PackingEvents events{progress, screen, report};

    RecordedRun() { bindPackingEvents(archiver, events); }
    PackingOutcome run(const std::string& root, const std::string& destination, const NameList& files,
                       const AppState* installation = nullptr) {
        return PackingRun({archiver, events, progress, screen, report, installation}).run(root, destination, files);
    }
};

class PackingFixture : public ::testing::Test, protected RecordedRun {
protected:
    TempDir dir;
    std::string root = dir.root() + "game/";
    std::string out = dir.root() + "out/";
    NameList files;

    PackingFixture() { std::filesystem::create_directories(out); }

    void game(const std::string& relative, const std::string& bytes) { dir.write("game/" + relative, bytes); }
    void check(const std::vector<std::string>& names) {
        for (const auto& name : names) {
            files.append(name, true);
        }
    }
    PackingOutcome pack(const std::string& destination, const AppState* installation = nullptr) {
        return run(root, destination, files, installation);
    }
};

} // namespace korvane::testing
