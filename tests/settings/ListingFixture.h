// What a listing run needs, recorded for tests: the calling window, the loading window's bars and the
// messages, all in one log so that their order can be checked.
#pragma once

#include "archive/ZipEngine.h"
#include "platform/NameList.h"
#include "settings/ListingRun.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

#include <cstdlib>
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

// Writes a ZIP archive holding the members (names as stored; a name ending in '/' is a folder entry).
inline void makeArchive(const std::filesystem::path& archive, const std::vector<std::string>& members) {
    const TempDir scratch;
    std::string list;
    for (const auto& member : members) {
        list += member + "\n";
    }
    const auto listFile = scratch.write("members.txt", list);
    const std::string script = "import sys, zipfile\n"
                               "names = open(sys.argv[2], encoding='utf-8').read().split('\\n')[:-1]\n"
                               "with zipfile.ZipFile(sys.argv[1], 'w', zipfile.ZIP_DEFLATED) as z:\n"
                               "    for n in names:\n"
                               "        z.writestr(n, '' if n.endswith('/') else 'data of ' + n)\n";
    const auto scriptFile = scratch.write("make.py", script);
    std::filesystem::create_directories(archive.parent_path());
    const std::string command =
        "python3 '" + scriptFile.string() + "' '" + archive.string() + "' '" + listFile.string() + "'";
    if (std::system(command.c_str()) != 0) {
        throw std::runtime_error("cannot make " + archive.string());
    }
}

inline std::vector<std::string> numberedMembers(const std::string& folder, int count) {
    std::vector<std::string> names;
    for (int i = 0; i < count; ++i) {
        names.push_back(folder + "/file" + std::to_string(i) + ".tex");
    }
    return names;
}

} // namespace korvane::testing
