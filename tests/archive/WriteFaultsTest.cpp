// Failures inside AddFiles: whatever fails, the archive on disk holds exactly the calls that succeeded.
#include "ReadListing.h"
#include "WriteSupport.h"
#include "support/FileSizeLimit.h"
#include "support/TempDir.h"
#include "support/TestBytes.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace korvane::testing {
namespace {

struct Failure {
    std::string fileName;
    int nativeError = 0;
    int errorCode = 0;
    std::string message;
};

class WriteFaults : public WriteFixture {
protected:
    void SetUp() override {
        base.write("Kept.txt", "kept from the first call");
        engine = createArchive(archive, base.root());
        engine->AddFiles("Kept.txt", kSearchAttrFiles, "");
        before = readFile(archive);
        engine->OnProcessFileFailure = [this](TZEBaseArchiver&, const std::string& name, TZEProcessOperation,
                                              int native, int code, const std::string& message, TZEAction& action) {
            failures.push_back({name, native, code, message});
            events.push_back("failure");
            action = answer;
        };
        engine->OnFileProgress = [this](TZEBaseArchiver&, const std::string&, double progress, TZEProcessOperation,
                                        TZEProgressPhase phase, bool& cancel) {
            events.push_back("file " + std::to_string(phase) + " " + std::to_string(static_cast<int>(progress)));
            if (onFileProgress) {
                onFileProgress(phase, progress, cancel);
            }
        };
        engine->OnOverallProgress = [this](TZEBaseArchiver&, double, TZEProcessOperation, TZEProgressPhase phase,
                                           bool&) {
            if (phase != ppProcess) {
                events.push_back("overall " + std::to_string(phase));
            }
        };
    }

    // The archive is byte for byte what the first call left, and every tool still reads it.
    void expectUnchanged() {
        EXPECT_TRUE(readFile(archive) == before);
        EXPECT_EQ(listCopy(archive), std::vector<std::string>{"Kept.txt"});
        expectToolsAgree(archive, {{"Kept.txt", "kept from the first call"}});
    }

    std::unique_ptr<TZipEngine> engine;
    std::string before;
    std::vector<Failure> failures;
    std::vector<std::string> events;
    TZEAction answer = fxaAbort;
    std::function<void(TZEProgressPhase, double, bool&)> onFileProgress;
};

TEST_F(WriteFaults, VanishedSourceIsErrorThirtyThreeAndTheCallIsRolledBack) {
    const auto source = base.write("Gone.txt", "about to vanish");
    engine->OnConfirmProcessFile = [&](TZEBaseArchiver&, const std::string&, TZEProcessOperation, bool&) {
        std::filesystem::remove(source);
    };
    engine->AddFiles("Gone.txt", kSearchAttrFiles, "");
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_EQ(failures[0].nativeError, 33);
    EXPECT_EQ(failures[0].errorCode, 12);
    EXPECT_EQ(failures[0].fileName, base.root() + "Gone.txt");
    EXPECT_EQ(failures[0].message, "Archiver: Cannot open file \"" + base.root() + "Gone.txt\" - Native error: 00033");
    EXPECT_EQ(events, (std::vector<std::string>{"overall 0", "file 0 0", "failure"}));
    expectUnchanged();
}

TEST_F(WriteFaults, SourceThatCannotBeReadIsErrorThirtyThree) {
    const auto source = base.write("Locked.txt", "a pipe takes its place");
    engine->OnConfirmProcessFile = [&](TZEBaseArchiver&, const std::string&, TZEProcessOperation, bool&) {
        std::filesystem::remove(source);
        ASSERT_EQ(::mkfifo(source.c_str(), 0644), 0);
    };
    engine->AddFiles("Locked.txt", kSearchAttrFiles, "");
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_EQ(failures[0].nativeError, 33);
    expectUnchanged();
}

TEST_F(WriteFaults, SourceThatShrinksWhileReadIsErrorThirtyFour) {
    const auto size = compressionBlockSize(7) * 2 + 10;
    const auto source = base.write("Shrinks.bin", noise(size, 1));
    onFileProgress = [&](TZEProgressPhase phase, double progress, bool&) {
        if (phase == ppProcess && progress > 0) {
            std::filesystem::resize_file(source, 100);
        }
    };
    engine->AddFiles("Shrinks.bin", kSearchAttrFiles, "");
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_EQ(failures[0].nativeError, 34);
    EXPECT_EQ(failures[0].errorCode, 17);
    EXPECT_EQ(failures[0].message, "Archiver: Invalid compressed size, rfs.size = " + std::to_string(size) +
                                       ", count = " + std::to_string(compressionBlockSize(7)) +
                                       " - Native error: 00034");
    expectUnchanged();
}

TEST_F(WriteFaults, CancelDuringTheBlocksGivesErrorThirtyFourThenRollsBack) {
    base.write("Big.bin", noise(compressionBlockSize(7) + 1, 2));
    onFileProgress = [&](TZEProgressPhase phase, double, bool& cancel) { cancel = phase == ppProcess; };
    answer = fxaIgnore;
    engine->AddFiles("Big.bin", kSearchAttrFiles, "");
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_EQ(failures[0].nativeError, 34);
    EXPECT_EQ(std::count(events.begin(), events.end(), "overall 2"), 0);
    expectUnchanged();
}

TEST_F(WriteFaults, CancelAtTheStartOfAnEntryWritesNothing) {
    base.write("Small.txt", "small");
    onFileProgress = [&](TZEProgressPhase phase, double, bool& cancel) { cancel = phase == ppStart; };
    engine->AddFiles("Small.txt", kSearchAttrFiles, "");
    EXPECT_TRUE(failures.empty());
    expectUnchanged();
}

TEST_F(WriteFaults, SourceOfFourGigabytesIsRefusedWithErrorFortyThreeBeforeAnythingIsWritten) {
    const auto huge = base.path() / "Huge.bin";
    base.write("Huge.bin", "");
    std::filesystem::resize_file(huge, 0xFFFFFFFFull); // sparse: nothing is read before the refusal
    engine->AddFiles("Huge.bin", kSearchAttrFiles, "");
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_EQ(failures[0].nativeError, 43);
    EXPECT_EQ(failures[0].message, "Archiver: Cannot compress file '" + huge.string() +
                                       "'. Zip64 mode is not enabled - Native error: 00043");
    expectUnchanged();
}

// Runs one AddFiles in a child under the file size limit; gives the native error that came out of the call
// (through the failure event or raised), 0 for none.
int addWithFileSizeLimit(TZipEngine& engine, const std::string& mask, std::uint64_t limit) {
    return std::stoi(withFileSizeLimitInChild(limit, [&] {
        int code = 0;
        engine.OnProcessFileFailure = [&](TZEBaseArchiver&, const std::string&, TZEProcessOperation, int native, int,
                                          const std::string&, TZEAction& action) {
            code = native;
            action = fxaAbort;
        };
        try {
            engine.AddFiles(mask, kSearchAttrFiles, "");
        } catch (const EZEException& error) {
            code = error.NativeError();
        }
        return std::to_string(code);
    }));
}

TEST_F(WriteFaults, FullDiskWhileWritingDataIsErrorThirtyFourAndTheArchiveStaysValid) {
    base.write("Huge.bin", noise(3 * compressionBlockSize(7), 3));
    EXPECT_EQ(addWithFileSizeLimit(*engine, "Huge.bin", before.size() + 2 * compressionBlockSize(7)), 34);
    expectUnchanged();
}

TEST_F(WriteFaults, FullDiskWhileWritingTheDirectoryIsErrorFortySixAndTheArchiveStaysValid) {
    std::map<std::string, std::string> files{{"Kept.txt", "kept from the first call"}};
    for (int i = 0; i < 40; ++i) {
        const auto name = "Folder/A rather long file name to make the directory grow " + std::to_string(i) + ".txt";
        base.write(name, "x");
        files[name] = "x";
    }
    engine->AddFiles("Folder\\*.txt", kSearchAttrFiles, "");
    before = readFile(archive);
    base.write("Tiny.txt", "t");
    // The entry goes where the old directory started; the new directory, 54 bytes longer, no longer fits.
    EXPECT_EQ(addWithFileSizeLimit(*engine, "Tiny.txt", before.size() + 60), 46);
    EXPECT_TRUE(readFile(archive) == before);
    EXPECT_EQ(listCopy(archive).size(), 41u);
    expectToolsAgree(archive, files);
}

} // namespace
} // namespace korvane::testing
