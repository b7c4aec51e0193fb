// What a listing run needs, recorded for tests: the calling window, the loading window's bars and the
// messages, all in one log so that their order can be checked.
#pragma once

#include "archive/ZipEngine.h"
#include "platform/NameList.h"
#include "settings/ListingRun.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

namespace korvane::testing {

class RecordingRun : public RunWindow, public ProgressSink, public ScriptedDialogs {
  public:
    std::vector<std::string> log;
    std::vector<std::string> currentTexts, overallTexts;
    int overallMax = -1, overallPosition = -1, currentMax = -1, currentPosition = -1;
    int pumps = 0;
    bool callerEnabled = true, loadingShown = false;
    const NameList* watched = nullptr; // its repaint state is noted at each pump
    std::vector<bool> watchedUpdating;

    void showLoading() override { note("show", loadingShown = true); }
    void hideLoading() override { note("hide", loadingShown = false); }
    void setCallerEnabled(bool enabled) override { note(enabled ? "enable" : "disable", callerEnabled = enabled); }

    void setOverallMax(int max) override { overallMax = max; }
    void setOverallPosition(int position) override { overallPosition = position; }
    void setOverallText(const std::string& text) override { overallTexts.push_back(text); }
    void setCurrentMax(int max) override { currentMax = max; }
    void setCurrentPosition(int position) override { currentPosition = position; }
    void setCurrentText(const std::string& text) override { currentTexts.push_back(text); }
    void processEvents() override {
        ++pumps;
        if (watched != nullptr) {
            watchedUpdating.push_back(watched->updating());
        }
    }

    void showMessage(const std::string& text) override {
        log.push_back("message: " + text);
        ScriptedDialogs::showMessage(text);
    }

  private:
    void note(const char* what, bool) { log.emplace_back(what); }
};

struct ArchiveSpec {
    std::filesystem::path archive;
    std::vector<std::string> members; // names as stored, with '/'
};

// Writes the archives, each member holding a little text, in one run of Python's zipfile.
inline void makeArchives(const std::vector<ArchiveSpec>& archives) {
    const TempDir scratch;
    std::string list;
    for (const auto& spec : archives) {
        std::filesystem::create_directories(spec.archive.parent_path());
        list += ">" + spec.archive.string() + "\n";
        for (const auto& member : spec.members) {
            list += member + "\n";
        }
    }
    const auto listFile = scratch.write("archives.txt", list);
    const auto script =
        scratch.write("make.py", "import sys, zipfile\n"
                                 "z = None\n"
                                 "for line in open(sys.argv[1], encoding='utf-8').read().split('\\n')[:-1]:\n"
                                 "    if line.startswith('>'):\n"
                                 "        z and z.close()\n"
                                 "        z = zipfile.ZipFile(line[1:], 'w', zipfile.ZIP_DEFLATED)\n"
                                 "    else:\n"
                                 "        z.writestr(line, 'data of ' + line)\n"
                                 "z and z.close()\n");
    const std::string command = "python3 '" + script.string() + "' '" + listFile.string() + "'";
    if (std::system(command.c_str()) != 0) {
        throw std::runtime_error("cannot make the test archives");
    }
}

inline void makeArchive(const std::filesystem::path& archive, const std::vector<std::string>& members) {
    makeArchives({{archive, members}});
}

inline std::vector<std::string> numberedMembers(const std::string& folder, int count) {
    std::vector<std::string> names;
    for (int i = 0; i < count; ++i) {
        names.push_back(folder + "/file" + std::to_string(i) + ".tex");
    }
    return names;
}

} // namespace korvane::testing
