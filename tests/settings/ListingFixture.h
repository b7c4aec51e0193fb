// What a listing run reports, recorded for tests: the loading window's bars, and the repaint state of a list
// at each pump.
#pragma once

#include "archive/ZipEngine.h"
#include "platform/NameList.h"
#include "platform/ProgressSink.h"
#include "support/TempDir.h"

#include <algorithm>
#include <string>
#include <vector>

namespace korvane::testing {

class RecordingRun : public ProgressSink {
public:
    std::vector<std::string> currentTexts, overallTexts;
    int overallMax = -1, currentMax = -1;
    const NameList* watched = nullptr; // its repaint state is noted at each pump
    std::vector<bool> watchedUpdating;

    void setOverallMax(int max) override { overallMax = max; }
    void setOverallPosition(int) override {}
    void setOverallText(const std::string& text) override { overallTexts.push_back(text); }
    void setCurrentMax(int max) override { currentMax = max; }
    void setCurrentPosition(int) override {}
    void setCurrentText(const std::string& text) override { currentTexts.push_back(text); }
    void processEvents() override {
        if (watched != nullptr) {
            watchedUpdating.push_back(watched->updating());
        }
    }
};

struct ArchiveSpec {
    std::filesystem::path archive;
    std::vector<std::string> members; // names with '/'
};

// Writes the archives with the engine's writer, each member holding a little text.
inline void makeArchives(const std::vector<ArchiveSpec>& archives) {
    for (const auto& spec : archives) {
        const TempDir source;
        for (const auto& member : spec.members) {
            source.write(member, "data of " + member);
        }
        std::filesystem::create_directories(spec.archive.parent_path());
        TZipEngine writer("Archiver");
        writer.FileName = spec.archive.string();
        writer.BaseDir = source.root();
        writer.OpenArchive(65535);
        for (std::string member : spec.members) {
            std::replace(member.begin(), member.end(), '/', '\\');
            writer.AddFiles(member, 47, "");
        }
        writer.CloseArchive();
    }
}

} // namespace korvane::testing
