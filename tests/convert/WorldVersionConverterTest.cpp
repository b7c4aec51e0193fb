#include "convert/WorldVersionConverter.h"

#include "support/FileSizeLimit.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace korvane {
namespace {

using testing::FileSizeLimit;
using testing::folderNames;
using testing::readFile;
using testing::ScriptedDialogs;
using testing::TempDir;

const std::string kIntro = "This tool will convert maps saved with SS:SE v1.50 beta into SS:SE v1.07.\n\n"
                           "It might become necessary if you have accidentally made your map in 150 although\n"
                           "you meant to release it in 107. It may happen.. even twice *points to Quendrel*\n\n"
                           "Now please select the map you wish to convert.";
const std::string kDetected150 = "Version 1.50 was detected. Please choose where to save the new file.";
const std::string kUnknown = "Unknown version. Do you wish to continue? (The file may just corrupt)";
const std::string kChoose = "Please choose where to save the new file.";

// A world header with the given version bytes and a body that exercises every byte value.
std::string world(unsigned char first, unsigned char second, std::size_t bodySize = 70000) {
    std::string bytes = "BUIV";
    bytes += static_cast<char>(first);
    bytes += static_cast<char>(second);
    bytes += std::string("\0\0", 2);
    for (std::size_t i = 0; i < bodySize; ++i) {
        bytes += static_cast<char>(i * 7 % 256);
    }
    return bytes;
}

std::string with107Marker(std::string bytes) {
    bytes[4] = 16;
    bytes[5] = 39;
    return bytes;
}

// The converter's questions put as scripted dialogs, its notices worded as the front ends word them.
class DialogQuestions : public ConverterQuestions {
public:
    explicit DialogQuestions(ScriptedDialogs& dialogs) : dialogs_(dialogs) {}
    bool startConversion() override { return dialogs_.askOkCancel(kConverterIntro); }
    std::optional<std::string> chooseSource() override {
        const auto chosen = dialogs_.openFiles({});
        return chosen.empty() ? std::nullopt : std::optional(chosen.front());
    }
    bool convertUnknownVersion() override { return dialogs_.askYesNo(kUnknown); }
    std::optional<std::string> chooseDestination() override { return dialogs_.saveFile({}); }
    void tell(ConverterNotice notice, const std::string& path) override {
        dialogs_.showMessage(converterMessage(notice, path));
    }

private:
    ScriptedDialogs& dialogs_;
};

class ConverterRun : public ::testing::Test {
protected:
    TempDir dir;
    ScriptedDialogs dialogs;

    // Answers the intro with OK and the open dialog with the source; further answers are added by the test.
    std::filesystem::path chooseSource(const std::string& bytes, const std::string& name = "Levels/map.wld") {
        const auto source = dir.write(name, bytes);
        dialogs.answers.push_back(true);
        dialogs.openAnswers.push_back({source.string()});
        return source;
    }
    void run() {
        DialogQuestions questions(dialogs);
        WorldVersionConverter(questions).run();
    }
};

TEST(VersionMarker, RecognisesBothVersionsAndTreatsTheRestAsUnknown) {
    EXPECT_EQ(classifyVersionMarker(world(16, 39, 0)), WorldVersion::v107);
    EXPECT_EQ(classifyVersionMarker(world(152, 58, 0)), WorldVersion::v150);
    EXPECT_EQ(classifyVersionMarker(world(39, 16, 0)), WorldVersion::Unknown);
    EXPECT_EQ(classifyVersionMarker(world(152, 39, 0)), WorldVersion::Unknown);
    // Bytes beyond a short file's end never match, even when the bytes present do.
    EXPECT_EQ(classifyVersionMarker(std::string("BUIV\x10", 5)), WorldVersion::Unknown);
    EXPECT_EQ(classifyVersionMarker(""), WorldVersion::Unknown);
}

TEST(WorldExtension, AddsWldOnlyWhenTheNameHasNoExtension) {
    EXPECT_EQ(withWorldExtension("/maps/name"), "/maps/name.wld");
    EXPECT_EQ(withWorldExtension("/maps/name."), "/maps/name.wld");
    EXPECT_EQ(withWorldExtension("/maps/name.bak"), "/maps/name.bak");
    EXPECT_EQ(withWorldExtension("/maps/name.WLD"), "/maps/name.WLD");
    // A dot in a folder name is not the file's extension.
    EXPECT_EQ(withWorldExtension("/maps.old/name"), "/maps.old/name.wld");
}

TEST_F(ConverterRun, ConvertsTheFirstChosenMapIntoAByteForByteCopyWithThe107Marker) {
    const std::string original = world(152, 58);
    const auto source = chooseSource(original);
    dialogs.openAnswers.back().push_back(dir.write("b.wld", world(16, 39, 10)).string());
    dialogs.saveAnswers.push_back((dir.path() / "out").string());
    run();

    EXPECT_EQ(dialogs.shown, (std::vector<std::string>{kIntro, kDetected150, "Done."}));
    EXPECT_EQ(readFile(dir.path() / "out.wld"), with107Marker(original));
    EXPECT_EQ(readFile(source), original);
    EXPECT_EQ(folderNames(dir.path()), (std::vector<std::string>{"Levels", "b.wld", "out.wld"}));
}

TEST_F(ConverterRun, A107MapIsReportedAndNoDestinationIsAskedFor) {
    chooseSource(world(16, 39));
    run();
    EXPECT_EQ(dialogs.shown, (std::vector<std::string>{kIntro, "This file is already version 1.07"}));
    EXPECT_TRUE(dialogs.saveRequests.empty());
}

TEST_F(ConverterRun, EndsSilentlyWhenTheIntroOrADialogIsCancelledOrTheSourceIsGone) {
    run(); // intro answered with Cancel
    EXPECT_EQ(dialogs.shown, std::vector<std::string>{kIntro});
    EXPECT_TRUE(dialogs.openRequests.empty());

    dialogs.shown.clear();
    dialogs.answers.push_back(true); // open dialog cancelled
    run();
    dialogs.answers.push_back(true); // a source that is gone
    dialogs.openAnswers.push_back({(dir.path() / "gone.wld").string()});
    run();
    EXPECT_EQ(dialogs.shown, (std::vector<std::string>{kIntro, kIntro}));
    EXPECT_TRUE(dialogs.saveRequests.empty());

    dialogs.shown.clear();
    chooseSource(world(152, 58)); // save dialog cancelled
    run();
    EXPECT_EQ(dialogs.shown, (std::vector<std::string>{kIntro, kDetected150}));
    EXPECT_EQ(folderNames(dir.path()), std::vector<std::string>{"Levels"});
}

TEST_F(ConverterRun, AnUnknownVersionIsOnlyWrittenWhenTheUserInsists) {
    const std::string original = world(1, 2);
    chooseSource(original);
    dialogs.answers.push_back(false);
    run();
    EXPECT_EQ(dialogs.shown, (std::vector<std::string>{kIntro, kUnknown}));
    EXPECT_TRUE(dialogs.saveRequests.empty());

    dialogs.shown.clear();
    chooseSource(original);
    dialogs.answers.push_back(true);
    dialogs.saveAnswers.push_back((dir.path() / "forced.").string());
    run();
    EXPECT_EQ(dialogs.shown, (std::vector<std::string>{kIntro, kUnknown, kChoose, "Done."}));
    EXPECT_EQ(readFile(dir.path() / "forced.wld"), with107Marker(original));
}

TEST_F(ConverterRun, ShortSourcesGetTheMarkerWithZeroBytesInAnyGap) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"", std::string("\0\0\0\0\x10\x27", 6)},
        {"BU", std::string("BU\0\0\x10\x27", 6)},
        {"BUIV", "BUIV\x10\x27"},
        {"BUIV\x98", "BUIV\x10\x27"},
        {"BUIV\x98\x3A", "BUIV\x10\x27"}, // a 1.50 marker and nothing more is still a 1.50 file
    };
    for (const auto& [bytes, expected] : cases) {
        SCOPED_TRACE(bytes.size());
        dialogs = ScriptedDialogs();
        chooseSource(bytes);
        if (bytes.size() < 6) {
            dialogs.answers.push_back(true);
        }
        dialogs.saveAnswers.push_back((dir.path() / "short.wld").string());
        run();
        EXPECT_EQ(dialogs.shown.back(), "Done.");
        EXPECT_EQ(readFile(dir.path() / "short.wld"), expected);
    }
}

TEST_F(ConverterRun, KeepsAnExtensionOtherThanWldAndReplacesAnExistingFile) {
    const std::string original = world(152, 58, 100);
    chooseSource(original);
    const auto existing = dir.write("copy.bak", "older and longer content than the new file would be" + original);
    dialogs.saveAnswers.push_back(existing.string());
    run();
    EXPECT_EQ(readFile(existing), with107Marker(original));
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "copy.bak.wld"));
}

TEST_F(ConverterRun, RefusesTheSourceItselfAsDestinationBeforeWritingAnything) {
    const std::string original = world(152, 58);
    const auto source = chooseSource(original);
    // Named without its extension, the rule completes it to the source's own name.
    dialogs.saveAnswers.push_back((dir.path() / "Levels" / "map").string());
    run();
    ASSERT_EQ(dialogs.shown.size(), 3u);
    EXPECT_NE(dialogs.shown[2].find("cannot be saved over the map it is made from"), std::string::npos);
    EXPECT_EQ(readFile(source), original);
    EXPECT_EQ(folderNames(source.parent_path()), std::vector<std::string>{"map.wld"});
}

TEST_F(ConverterRun, AnUncreatableDestinationIsReportedAndNothingIsLeftBehind) {
    const auto source = chooseSource(world(152, 58));
    const auto destination = dir.path() / "no such folder" / "out.wld";
    dialogs.saveAnswers.push_back(destination.string());
    run();
    EXPECT_EQ(dialogs.shown.back(), "Cannot create file " + destination.string());
    EXPECT_EQ(folderNames(dir.path()), std::vector<std::string>{"Levels"});
}

TEST_F(ConverterRun, AFailedWriteLeavesAnExistingDestinationWhole) {
    const std::string original = world(152, 58, 200000);
    const auto source = chooseSource(original);
    const auto existing = dir.write("out.wld", "the map the user had before");
    dialogs.saveAnswers.push_back(existing.string());
    {
        FileSizeLimit limit(4096);
        run();
    }
    EXPECT_EQ(dialogs.shown.back(), "Cannot create file " + existing.string());
    EXPECT_EQ(readFile(existing), "the map the user had before");
    EXPECT_EQ(readFile(source), original);
    EXPECT_EQ(folderNames(dir.path()), (std::vector<std::string>{"Levels", "out.wld"}));
}

} // namespace
} // namespace korvane
