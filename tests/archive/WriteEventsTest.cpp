// The events of an AddFiles call in their order, the answers they take, and the update bracket.
#include "WriteSupport.h"
#include "support/ExpectError.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace korvane::testing {
namespace {

class WriteEvents : public WriteFixture {
protected:
    void record(TZipEngine& engine) {
        engine.OnConfirmProcessFile = [this](TZEBaseArchiver&, const std::string& name, TZEProcessOperation op, bool&) {
            log.push_back("confirm " + name + " " + std::to_string(op));
        };
        engine.OnOverallProgress = [this](TZEBaseArchiver&, double progress, TZEProcessOperation op,
                                          TZEProgressPhase phase, bool&) {
            log.push_back("overall " + std::to_string(static_cast<int>(progress)) + " " + std::to_string(op) + " " +
                          std::to_string(phase));
        };
        engine.OnFileProgress = [this](TZEBaseArchiver&, const std::string& name, double progress,
                                       TZEProcessOperation op, TZEProgressPhase phase, bool&) {
            log.push_back("file " + name + " " + std::to_string(static_cast<int>(progress)) + " " + std::to_string(op) +
                          " " + std::to_string(phase));
        };
    }

    std::vector<std::string> log;
};

TEST_F(WriteEvents, OneFileOfThreeBlocksReportsEveryEventInOrder) {
    const auto block = compressionBlockSize(7);
    base.write("Models/Big.mdl", std::string(2 * block + block / 2, 'm'));
    auto engine = createArchive(archive, base.root());
    record(*engine);
    engine->AddFiles("Models\\Big.mdl", kSearchAttrFiles, "");
    const auto full = base.root() + "Models/Big.mdl";
    EXPECT_EQ(log, (std::vector<std::string>{
                       "confirm " + full + " 0",
                       "overall 0 0 0",
                       "file " + full + " 0 0 0",
                       "file Models\\Big.mdl 0 0 1",
                       "overall 0 0 1",
                       "file Models\\Big.mdl 40 0 1",
                       "overall 40 0 1",
                       "file Models\\Big.mdl 80 0 1",
                       "overall 80 0 1",
                       "file " + full + " 100 0 2",
                       "overall 100 0 2",
                   }));
}

TEST_F(WriteEvents, WithoutAnArchiveOpenForWritingNothingIsDone) {
    TZipEngine engine("Archiver");
    EXPECT_NO_THROW(engine.CloseArchive());
    const std::string notOpen = "Archiver: Archive is not open - Native error: 00013";
    expectError<EZEException>([&] { engine.GetFileCount(); }, notOpen);
    expectError<EZEException>([&] { engine.AddFiles("x", kSearchAttrFiles, ""); }, notOpen);
    TZEArchiveItem item;
    EXPECT_FALSE(engine.FindFirst("*.*", item, kSearchAttrFiles, ""));
    base.write("A.txt", "a");
    createArchive(archive, base.root())->CloseArchive();
    engine.FileName = archive.string();
    engine.OpenArchive(kOpenModeRead);
    expectError<EZEException>([&] { engine.AddFiles("A.txt", kSearchAttrFiles, ""); },
                              "Archiver: File is open in read-only mode - Native error: 00032");
    engine.CloseArchive();
    EXPECT_EQ(readFile(archive).size(), 22u);
}

TEST_F(WriteEvents, PromptAsksWithTheExistingNameAndOnlyReplacesWhenConfirmed) {
    base.write("Sounds/Step.wav", "first");
    auto engine = createArchive(archive, base.root());
    engine->AddFiles("Sounds\\Step.wav", kSearchAttrFiles, "");
    engine->Options.OverwriteMode = omPrompt;
    base.write("Sounds/Step.wav", "second");
    bool answer = false;
    std::vector<std::string> asked;
    engine->OnConfirmOverwrite = [&](TZEBaseArchiver&, const std::string& source, std::string& dest, bool& confirm) {
        asked.push_back(source + " -> " + dest);
        EXPECT_FALSE(confirm);
        dest = "Ignored.wav";
        confirm = answer;
    };
    engine->AddFiles("Sounds\\Step.wav", kSearchAttrFiles, "");
    EXPECT_EQ(contentOf(readZip(readFile(archive)).entries.at(0)), "first");
    answer = true;
    engine->AddFiles("Sounds\\Step.wav", kSearchAttrFiles, "");
    const auto view = readZip(readFile(archive));
    ASSERT_EQ(view.entries.size(), 1u);
    EXPECT_EQ(view.entries[0].name, "Sounds/Step.wav");
    EXPECT_EQ(contentOf(view.entries[0]), "second");
    EXPECT_EQ(asked, std::vector<std::string>(2, base.root() + "Sounds/Step.wav -> Step.wav"));
}

TEST_F(WriteEvents, AnExceptionFromAHandlerLeavesTheArchiveAsItWasAndUsable) {
    base.write("A.txt", "a");
    base.write("B.txt", "b");
    auto engine = createArchive(archive, base.root());
    engine->AddFiles("A.txt", kSearchAttrFiles, "");
    const auto before = readFile(archive);
    engine->OnConfirmProcessFile = [](TZEBaseArchiver&, const std::string&, TZEProcessOperation, bool&) {
        throw std::runtime_error("handler failed");
    };
    EXPECT_THROW(engine->AddFiles("B.txt", kSearchAttrFiles, ""), std::runtime_error);
    EXPECT_EQ(engine->UpdateCount(), 0);
    EXPECT_TRUE(readFile(archive) == before);
    engine->OnConfirmProcessFile = nullptr;
    engine->AddFiles("B.txt", kSearchAttrFiles, "");
    EXPECT_EQ(readZip(readFile(archive)).entries.size(), 2u);
}

TEST_F(WriteEvents, NestedUpdatesWriteOnceAtTheOutermostEndAndClosingWritesAPendingOne) {
    base.write("A.txt", "a");
    base.write("B.txt", "b");
    auto engine = createArchive(archive, base.root());
    engine->BeginUpdate();
    engine->AddFiles("A.txt", kSearchAttrFiles, "");
    engine->AddFiles("B.txt", kSearchAttrFiles, "");
    EXPECT_EQ(engine->UpdateCount(), 1);
    EXPECT_EQ(std::filesystem::file_size(archive), 0u);
    engine->CloseArchive();
    const auto view = readZip(readFile(archive));
    ASSERT_TRUE(view.ok);
    ASSERT_EQ(view.entries.size(), 2u);
    EXPECT_EQ(view.entries[1].name, "B.txt");
}

} // namespace
} // namespace korvane::testing
