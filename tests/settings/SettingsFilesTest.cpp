#include "settings/SettingsFiles.h"

#include "platform/FileError.h"
#include "support/ExpectError.h"
#include "support/FileSizeLimit.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

using testing::readFile;
using testing::TempDir;

class CacheFiles : public ::testing::Test {
protected:
    TempDir dir;
    AppState state;
    void SetUp() override { state.InstallRoot = dir.root(); }
    std::filesystem::path gros() const { return dir.path() / "Temp/KVN_gros.dat"; }
    std::filesystem::path files() const { return dir.path() / "Temp/KVN_files.dat"; }
};

TEST_F(CacheFiles, WrittenListsAreByteExactAndReadBackTheSame) {
    state.StandardGroList.assign({"SE1_00.gro", "SE1_00_Levels.gro", "SE1_00.gro"}, false);
    state.StandardFiles.assign({"Textures\\Wall.tex", "", "Текстуры\\Стена.tex", "Models\\Tree.mdl"}, false);
    SaveStandardLists(state);
    EXPECT_EQ(readFile(gros()), "SE1_00.gro\r\nSE1_00_Levels.gro\r\nSE1_00.gro\r\n");
    EXPECT_EQ(readFile(files()),
              "Textures\\Wall.tex\r\n\r\n\xD2\xE5\xEA\xF1\xF2\xF3\xF0\xFB\\\xD1\xF2\xE5\xED\xE0.tex\r\n"
              "Models\\Tree.mdl\r\n");

    AppState loaded;
    loaded.InstallRoot = state.InstallRoot;
    loaded.StandardFiles.assign({"stale"}, false);
    ASSERT_TRUE(LoadStandardLists(loaded));
    EXPECT_EQ(loaded.StandardGroList.names(), state.StandardGroList.names());
    EXPECT_EQ(loaded.StandardFiles.names(), state.StandardFiles.names());
    EXPECT_EQ(loaded.StandardFiles.checkedCount(), 4);
    EXPECT_EQ(loaded.StandardFiles.indexOf("textures\\wall.TEX"), 0);
}

TEST_F(CacheFiles, EmptyListsAreZeroByteFiles) {
    std::filesystem::create_directory(dir.path() / "Temp");
    dir.write("Temp/KVN_gros.dat", "old\r\n");
    SaveStandardLists(state);
    EXPECT_EQ(std::filesystem::file_size(gros()), 0U);
    EXPECT_EQ(std::filesystem::file_size(files()), 0U);
    state.StandardFiles.assign({"x"}, true);
    ASSERT_TRUE(LoadStandardLists(state));
    EXPECT_TRUE(state.StandardFiles.empty());
    EXPECT_TRUE(state.StandardGroList.empty());
}

TEST_F(CacheFiles, LineEndsFromOtherToolsGiveTheSameEntries) {
    const std::vector<std::string> expected = {"a.tex", "", "b.tex"};
    for (const std::string& text :
         std::vector<std::string>{"a.tex\r\n\r\nb.tex\r\n", "a.tex\n\nb.tex\n", "a.tex\r\rb.tex\r", "a.tex\n\r\nb.tex",
                                  std::string("a.tex\n\nb.tex\n\0c.tex\n", 20)}) {
        EXPECT_EQ(decodeCacheLines(text), expected) << text;
    }
    EXPECT_TRUE(decodeCacheLines("").empty());
    EXPECT_TRUE(decodeCacheLines(std::string("\0a\r\n", 4)).empty());
    EXPECT_EQ(decodeCacheLines("\r\n"), std::vector<std::string>{""});
    EXPECT_EQ(decodeCacheLines("\n\r"), (std::vector<std::string>{"", ""}));
    EXPECT_EQ(decodeCacheLines("last"), std::vector<std::string>{"last"});
    // Stray bytes are read as they are and written back unchanged.
    EXPECT_EQ(encodeCacheLines(decodeCacheLines("\x98\xFF\x01\r\n")), "\x98\xFF\x01\r\n");
    // A character the code page lacks becomes '?', the rest keeps its bytes.
    EXPECT_EQ(encodeCacheLines({"Ä\\Стена.tex"}), "?\\\xD1\xF2\xE5\xED\xE0.tex\r\n");

    dir.write("temp/kvn_files.dat", "Models\\A.mdl\nModels\\B.mdl");
    dir.write("temp/Kvn_Gros.DAT", "SE1_00.gro\r");
    ASSERT_TRUE(LoadStandardLists(state)); // the folder and files are found in any letter case
    EXPECT_EQ(state.StandardFiles.names(), (std::vector<std::string>{"Models\\A.mdl", "Models\\B.mdl"}));
    EXPECT_EQ(state.StandardGroList.names(), std::vector<std::string>{"SE1_00.gro"});
}

TEST_F(CacheFiles, AMissingFileMeansNotFoundAndChangesNothing) {
    state.StandardFiles.assign({"kept"}, true);
    state.StandardGroList.assign({"kept.gro"}, false);
    EXPECT_FALSE(LoadStandardLists(state)); // no Temp folder at all
    dir.write("Temp/KVN_files.dat", "x\r\n");
    EXPECT_FALSE(LoadStandardLists(state));
    std::filesystem::create_directory(gros()); // a folder of that name is not a file
    EXPECT_FALSE(LoadStandardLists(state));
    EXPECT_EQ(state.StandardFiles.names(), std::vector<std::string>{"kept"});
    EXPECT_EQ(state.StandardGroList.names(), std::vector<std::string>{"kept.gro"});
}

TEST_F(CacheFiles, ACacheFileThatCannotBeCreatedIsReported) {
    dir.write("Temp", "a file where the cache folder should be");
    state.StandardGroList.assign({"SE1_00.gro"}, false);
    testing::expectError<FileError>([&] { SaveStandardLists(state); },
                                    "Cannot create file " + dir.root() + "Temp/KVN_gros.dat");
}

TEST_F(CacheFiles, AFailedWriteLeavesBothOldCacheFiles) {
    state.StandardGroList.assign({"SE1_00.gro"}, false);
    state.StandardFiles.assign({"Textures\\Old.tex"}, true);
    SaveStandardLists(state);
    const std::string oldFiles = readFile(files());

    std::vector<std::string> many(20000, "Textures\\Some\\Rather\\Long\\Name.tex");
    state.StandardGroList.assign({"New.gro"}, false);
    state.StandardFiles.assign(many, true);
    {
        const testing::FileSizeLimit limit(64 * 1024); // room for the archive list, not for the file list
        EXPECT_THROW(SaveStandardLists(state), FileError);
    }

    EXPECT_EQ(readFile(gros()), "SE1_00.gro\r\n");
    EXPECT_EQ(readFile(files()), oldFiles);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path() / "Temp"), {}), 2);
}

TEST_F(CacheFiles, ASaveKilledAfterItsCommitIsFinishedByTheNextLoad) {
    dir.write("Temp/KVN_files.dat", "Old\\File.tex\r\n");
    // Killed between the two moves: the archive list is in place, the file list still waits.
    dir.write("Temp/KVN_gros.dat", "New.gro\r\n");
    dir.write("Temp/KVN_lists.done/KVN_files.dat", "New\\File.tex\r\n");
    ASSERT_TRUE(LoadStandardLists(state));
    EXPECT_EQ(state.StandardGroList.names(), std::vector<std::string>{"New.gro"});
    EXPECT_EQ(state.StandardFiles.names(), std::vector<std::string>{"New\\File.tex"});
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path() / "Temp"), {}), 2);
}

TEST(InstallRoot, IsStoredWithItsTrailingSeparator) {
    TempDir dir;
    FileSettingsStore store(dir.path() / "settings.reg");
    AppState state;
    state.InstallRoot = "stale";
    ReadInstallRoot(state, store);
    EXPECT_EQ(state.InstallRoot, "");
    state.InstallRoot = "/games/Serious Sam/";
    WriteInstallRoot(state, store);
    AppState loaded;
    ReadInstallRoot(loaded, store);
    EXPECT_EQ(loaded.InstallRoot, "/games/Serious Sam/");

    dir.write("settings.reg", "[\\Software\\Korvane]\n\"SSPath15\"=dword:00000001\n");
    testing::expectError<SettingsError>([&] { ReadInstallRoot(loaded, store); }, "Invalid data type for 'SSPath15'");
}

} // namespace
} // namespace korvane
