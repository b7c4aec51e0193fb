#include "convert/WorldVersionConverter.h"

#include "support/FileSizeLimit.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <filesystem>
#include <string>
#include <vector>

namespace korvane {
namespace {

using testing::FileSizeLimit;
using testing::folderNames;
using testing::readFile;
using testing::TempDir;

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

// The converter's questions answered from a script, and what it asked and told, in order.
class ScriptedQuestions : public ConverterQuestions {
public:
    std::deque<bool> answers; // to the intro and to an unknown version, in order; none left: no
    std::optional<std::string> source, destination;
    std::string asked; // "start source unknown destination", as far as the tool came
    std::vector<ConverterNotice> told;
    std::vector<std::string> toldPaths;

    bool startConversion() override { return answer("start"); }
    std::optional<std::string> chooseSource() override {
        ask("source");
        return source;
    }
    bool convertUnknownVersion() override { return answer("unknown"); }
    std::optional<std::string> chooseDestination() override {
        ask("destination");
        return destination;
    }
    void tell(ConverterNotice notice, const std::string& path) override {
        told.push_back(notice);
        toldPaths.push_back(path);
    }

private:
    void ask(const char* question) { asked += (asked.empty() ? "" : " ") + std::string(question); }
    bool answer(const char* question) {
        ask(question);
        if (answers.empty()) {
            return false;
        }
        const bool yes = answers.front();
        answers.pop_front();
        return yes;
    }
};

using Notice = ConverterNotice;
using Notices = std::vector<ConverterNotice>;

class ConverterRun : public ::testing::Test {
protected:
    TempDir dir;
    ScriptedQuestions questions;

    // Answers the intro with OK and the open dialog with the source; further answers are set by the test.
    std::filesystem::path chooseSource(const std::string& bytes, const std::string& name = "Levels/map.wld") {
        const auto source = dir.write(name, bytes);
        questions = ScriptedQuestions();
        questions.answers.push_back(true);
        questions.source = source.string();
        return source;
    }
    ConversionOutcome run() { return WorldVersionConverter(questions).run(); }
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

TEST_F(ConverterRun, ConvertsTheChosenMapIntoAByteForByteCopyWithThe107MarkerOverAnExistingFile) {
    const std::string original = world(152, 58);
    const auto source = chooseSource(original);
    dir.write("out.wld", "an older and longer map than the new one would be" + original);
    questions.destination = (dir.path() / "out").string();
    EXPECT_EQ(run(), ConversionOutcome::Converted);
    EXPECT_EQ(questions.asked, "start source destination");
    EXPECT_EQ(questions.told, (Notices{ConverterNotice::Version150Found, ConverterNotice::Converted}));
    EXPECT_EQ(readFile(dir.path() / "out.wld"), with107Marker(original));
    EXPECT_EQ(readFile(source), original);
    EXPECT_EQ(folderNames(dir.path()), (std::vector<std::string>{"Levels", "out.wld"}));
}

TEST_F(ConverterRun, EachWayOfEndingEarlyAsksNoFurtherAndWritesNothing) {
    struct Case {
        const char* what;
        std::string bytes;
        std::deque<bool> answers;
        bool sourceChosen, destinationChosen;
        ConversionOutcome outcome;
        std::string asked;
        Notices told;
    };
    using enum ConversionOutcome;
    const std::string beta = world(152, 58);
    const Case cases[] = {
        {"intro cancelled", beta, {false}, true, true, Cancelled, "start", {}},
        {"open dialog cancelled", beta, {true}, false, true, Cancelled, "start source", {}},
        {"already 1.07", world(16, 39), {true}, true, true, AlreadyCurrent, "start source", {Notice::AlreadyCurrent}},
        {"unknown version declined", world(1, 2), {true, false}, true, true, Declined, "start source unknown", {}},
        {"save dialog cancelled",
         beta,
         {true},
         true,
         false,
         Cancelled,
         "start source destination",
         {Notice::Version150Found}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        chooseSource(c.bytes);
        questions.answers = c.answers;
        if (!c.sourceChosen) {
            questions.source.reset();
        }
        if (c.destinationChosen) {
            questions.destination = (dir.path() / "out.wld").string();
        }
        EXPECT_EQ(run(), c.outcome);
        EXPECT_EQ(questions.asked, c.asked);
        EXPECT_EQ(questions.told, c.told);
        EXPECT_EQ(folderNames(dir.path()), std::vector<std::string>{"Levels"});
    }
    // A source that is gone when chosen ends the tool as a cancel does.
    chooseSource(world(152, 58));
    questions.source = (dir.path() / "gone.wld").string();
    EXPECT_EQ(run(), ConversionOutcome::Cancelled);
    EXPECT_TRUE(questions.told.empty());
}

TEST_F(ConverterRun, AnUnknownVersionIsWrittenWhenTheUserInsists) {
    const std::string original = world(1, 2);
    chooseSource(original);
    questions.answers.push_back(true);
    questions.destination = (dir.path() / "forced.").string();
    EXPECT_EQ(run(), ConversionOutcome::Converted);
    EXPECT_EQ(questions.told, (Notices{ConverterNotice::ChooseWhereToSave, ConverterNotice::Converted}));
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
        chooseSource(bytes);
        questions.answers.push_back(true); // to the unknown version of the shorter ones
        questions.destination = (dir.path() / "short.wld").string();
        EXPECT_EQ(run(), ConversionOutcome::Converted);
        EXPECT_EQ(readFile(dir.path() / "short.wld"), expected);
    }
}

TEST_F(ConverterRun, RefusesTheSourceItselfAsDestinationBeforeWritingAnything) {
    const std::string original = world(152, 58);
    const auto source = chooseSource(original);
    // Named without its extension, the rule completes it to the source's own name.
    questions.destination = (dir.path() / "Levels" / "map").string();
    EXPECT_EQ(run(), ConversionOutcome::Failed);
    EXPECT_EQ(questions.told.back(), ConverterNotice::SourceAsDestination);
    EXPECT_EQ(readFile(source), original);
    EXPECT_EQ(folderNames(source.parent_path()), std::vector<std::string>{"map.wld"});
}

TEST_F(ConverterRun, AnUncreatableOrFailedDestinationIsReportedAndAnExistingOneStaysWhole) {
    const std::string original = world(152, 58, 200000);
    const auto source = chooseSource(original);
    const auto uncreatable = dir.path() / "no such folder" / "out.wld";
    questions.destination = uncreatable.string();
    EXPECT_EQ(run(), ConversionOutcome::Failed);
    EXPECT_EQ(questions.told.back(), ConverterNotice::DestinationUnwritable);
    EXPECT_EQ(questions.toldPaths.back(), uncreatable.string());
    EXPECT_EQ(folderNames(dir.path()), std::vector<std::string>{"Levels"});

    chooseSource(original);
    const auto existing = dir.write("out.wld", "the map the user had before");
    questions.destination = existing.string();
    {
        FileSizeLimit limit(4096);
        EXPECT_EQ(run(), ConversionOutcome::Failed);
    }
    EXPECT_EQ(questions.told.back(), ConverterNotice::DestinationUnwritable);
    EXPECT_EQ(readFile(existing), "the map the user had before");
    EXPECT_EQ(readFile(source), original);
    EXPECT_EQ(folderNames(dir.path()), (std::vector<std::string>{"Levels", "out.wld"}));
}

TEST(ConverterMessage, WordsEachNoticeAsTheWindowsShowIt) {
    EXPECT_EQ(converterMessage(ConverterNotice::AlreadyCurrent, {}), "This file is already version 1.07");
    EXPECT_EQ(converterMessage(ConverterNotice::ChooseWhereToSave, {}), "Please choose where to save the new file.");
    EXPECT_NE(
        converterMessage(ConverterNotice::SourceAsDestination, {}).find("cannot be saved over the map it is made from"),
        std::string::npos);
    EXPECT_EQ(converterMessage(ConverterNotice::DestinationUnwritable, "/o.wld"), "Cannot create file /o.wld");
}

} // namespace
} // namespace korvane
