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

std::size_t entriesIn(const std::filesystem::path& folder) {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder), {}));
}

TEST(AtomicFile, ReplacesContentsWholeAndKeepsPermissions) {
    TempDir dir;
    const auto target = dir.path() / "KVN_files.dat";
    ASSERT_TRUE(writeFileAtomically(target, "first\r\n"));
    EXPECT_EQ(readFile(target), "first\r\n");
    std::filesystem::permissions(target, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                                             std::filesystem::perms::others_read);
    ASSERT_TRUE(writeFileAtomically(target, ""));
    EXPECT_EQ(readFile(target), "");
    EXPECT_EQ(std::filesystem::status(target).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                  std::filesystem::perms::others_read);
    EXPECT_EQ(entriesIn(dir.path()), 1U);
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
    EXPECT_EQ(entriesIn(dir.path()), 1U); // no temporary file left behind
}

TEST(AtomicFile, FailsWhereNoFileCanBe) {
    TempDir dir;
    std::filesystem::create_directory(dir.path() / "folder");
    EXPECT_FALSE(writeFileAtomically(dir.path() / "missing/x.dat", "x"));
    EXPECT_FALSE(writeFileAtomically(dir.path() / "folder", "x"));
    EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "folder"));
    EXPECT_EQ(entriesIn(dir.path()), 1U);
}

TEST(AtomicFile, ALinkedFileIsReplacedThroughTheLink) {
    TempDir dir;
    const auto real = dir.write("real.reg", "old");
    std::filesystem::create_symlink(real, dir.path() / "link.reg");
    ASSERT_TRUE(writeFileAtomically(dir.path() / "link.reg", "new"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.path() / "link.reg"));
    EXPECT_EQ(readFile(real), "new");
}

} // namespace
} // namespace korvane
