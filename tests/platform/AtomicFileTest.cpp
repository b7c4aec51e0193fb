#include "platform/AtomicFile.h"

#include "support/FileSizeLimit.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace korvane {
namespace {

using testing::FileSizeLimit;
using testing::readFile;
using testing::TempDir;

// What a replaced file keeps: its mode, a link in front of it, and a name that survives a crash.
TEST(AtomicFile, ReplacesALinksTargetWholeKeepingItsModeAndFlushesTheFolder) {
    TempDir dir;
    const auto real = dir.path() / "KVN_files.dat";
    ASSERT_TRUE(writeFileAtomically(real, "first\r\n"));
    EXPECT_EQ(readFile(real), "first\r\n");
    const auto mode =
        std::filesystem::perms::owner_read | std::filesystem::perms::owner_write | std::filesystem::perms::others_read;
    std::filesystem::permissions(real, mode);
    const auto link = dir.path() / "link.dat";
    std::filesystem::create_symlink(real, link);
    const auto syncsBefore = folderSyncs();
    ASSERT_TRUE(writeFileAtomically(link, ""));
    EXPECT_EQ(folderSyncs(), syncsBefore + 1);
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(readFile(real), "");
    EXPECT_EQ(std::filesystem::status(real).permissions() & std::filesystem::perms::all, mode);
    EXPECT_EQ(testing::folderNames(dir.path()).size(), 2U);
}

TEST(AtomicFile, AFullDiskLeavesTheOldFile) {
    TempDir dir;
    const auto target = dir.path() / "KVN_files.dat";
    ASSERT_TRUE(writeFileAtomically(target, "good\r\n"));
    {
        FileSizeLimit limit(4096);
        EXPECT_FALSE(writeFileAtomically(target, std::string(100000, 'x')));
    }
    EXPECT_EQ(readFile(target), "good\r\n");
    EXPECT_EQ(testing::folderNames(dir.path()).size(), 1U); // no temporary file left behind
}

TEST(AtomicFile, FailsWhereNoFileCanBe) {
    TempDir dir;
    std::filesystem::create_directory(dir.path() / "folder");
    EXPECT_FALSE(writeFileAtomically(dir.path() / "missing/x.dat", "x"));
    EXPECT_FALSE(writeFileAtomically(dir.path() / "folder", "x"));
    EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "folder"));
    EXPECT_EQ(testing::folderNames(dir.path()).size(), 1U);
}

} // namespace
} // namespace korvane
