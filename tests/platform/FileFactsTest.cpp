#include "platform/FileFacts.h"

#include "support/ScopedEnvironment.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace korvane {
namespace {

using testing::TempDir;

bool setDosAttrib(const std::filesystem::path& path, const std::string& blob) {
    return ::setxattr(path.c_str(), "user.DOSATTRIB", blob.data(), blob.size(), 0) == 0;
}

TEST(FileFacts, AttributesOfFilesAndFolders) {
    TempDir dir;
    const auto file = dir.write("Textures/Wall.tex", "x");
    const auto hidden = dir.write(".hidden", "x");
    const auto readOnly = dir.write("locked.txt", "x");
    std::filesystem::permissions(readOnly, std::filesystem::perms::owner_read | std::filesystem::perms::group_read);
    EXPECT_EQ(fileAttributes(file), faArchive);
    EXPECT_EQ(fileAttributes(dir.path() / "Textures"), faDirectory);
    EXPECT_EQ(fileAttributes(hidden), faArchive | faHidden);
    EXPECT_EQ(fileAttributes(readOnly), faArchive | faReadOnly);
    EXPECT_EQ(fileAttributes(dir.path() / "missing"), std::nullopt);
}

TEST(FileFacts, AttributesStoredByAFileServerTakePrecedence) {
    TempDir dir;
    const auto file = dir.write("a.txt", "x");
    const auto folder = dir.path() / "Music";
    std::filesystem::create_directory(folder);
    if (!setDosAttrib(file, std::string("0x21\0", 5))) {
        GTEST_SKIP() << "no user extended attributes on this file system";
    }
    EXPECT_EQ(fileAttributes(file), faArchive | faReadOnly);
    // Current servers: empty hex string, version 4, valid flags with the attribute bit, attributes 0x06.
    ASSERT_TRUE(setDosAttrib(file, std::string("\0\0\4\0\4\0\0\0\x11\0\0\0\6\0\0\0\0\0\0\0", 20)));
    EXPECT_EQ(fileAttributes(file), faHidden | faSysFile); // archive bit cleared by the server
    // Older servers: hex string, then version 3 aligned after it.
    ASSERT_TRUE(setDosAttrib(file, std::string("0x20\0\0\3\0\3\0\0\0\1\0\0\0\x20\0\0\0", 20)));
    EXPECT_EQ(fileAttributes(file), faArchive);
    // A record without the attribute flag, or garbage, leaves the attributes of the file system.
    ASSERT_TRUE(setDosAttrib(file, std::string("\0\0\4\0\4\0\0\0\x10\0\0\0\6\0\0\0", 16)));
    EXPECT_EQ(fileAttributes(file), faArchive);
    ASSERT_TRUE(setDosAttrib(file, "junk"));
    EXPECT_EQ(fileAttributes(file), faArchive);
    // The folder bit always comes from the file system.
    ASSERT_TRUE(setDosAttrib(folder, std::string("0x20\0", 5)));
    EXPECT_EQ(fileAttributes(folder), faDirectory | faArchive);
}

class LocalTimeZone : public ::testing::Test {
protected:
    void SetUp() override {
        environment_.emplace().set("TZ", "UTC-3"); // three hours east of UTC
        ::tzset();
    }
    void TearDown() override {
        environment_.reset();
        ::tzset();
    }

private:
    std::optional<testing::ScopedEnvironment> environment_;
};

TEST_F(LocalTimeZone, DosDateAndTimeInLocalTime) {
    // 2004-02-29 21:30:59 UTC is 2004-03-01 00:30:59 local time.
    const std::time_t when = 1078090259;
    const DosDateTime packed = toDosDateTime(when);
    EXPECT_EQ(packed.date, (24 << 9) | (3 << 5) | 1);
    EXPECT_EQ(packed.time, (0 << 11) | (30 << 5) | 29); // seconds halved
    EXPECT_EQ(toDosDateTime(0).date, (1 << 5) | 1);     // before 1980: the first day
    EXPECT_EQ(toDosDateTime(0).time, 0);

    TempDir dir;
    const auto file = dir.write("a.wld", "x");
    std::filesystem::last_write_time(
        file, std::filesystem::file_time_type::clock::from_sys(std::chrono::system_clock::from_time_t(when)));
    const auto stored = lastWriteDosDateTime(file);
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->date, packed.date);
    EXPECT_EQ(stored->time, packed.time);
    EXPECT_FALSE(lastWriteDosDateTime(dir.path() / "missing"));
}

TEST(FileFacts, ListsAFolderThroughAWildcardMaskInNameOrder) {
    TempDir dir;
    dir.write("b.TEX", "");
    dir.write("a.tex", "");
    dir.write("a.texture", "");
    dir.write("Readme", "");
    dir.write("Стена.tex", "");
    dir.write("Sub/x", "");
    const auto names = [](const std::vector<FolderItem>& items) {
        std::vector<std::string> result;
        for (const auto& item : items) {
            result.push_back(item.name);
        }
        return result;
    };
    EXPECT_EQ(names(listFolder(dir.path(), "*.tex")), (std::vector<std::string>{"a.tex", "b.TEX", "Стена.tex"}));
    EXPECT_EQ(names(listFolder(dir.path(), "?.TEX")), (std::vector<std::string>{"a.tex", "b.TEX"}));
    EXPECT_EQ(names(listFolder(dir.path(), "?????.tex")), (std::vector<std::string>{"Стена.tex"}));
    EXPECT_EQ(listFolder(dir.path(), "*.*").size(), 6U);
    EXPECT_EQ(names(listFolder(dir.path(), "readme")), (std::vector<std::string>{"Readme"}));
    const auto sub = listFolder(dir.path(), "S*");
    ASSERT_EQ(sub.size(), 1U);
    EXPECT_EQ(sub[0].attributes, faDirectory);
    EXPECT_TRUE(listFolder(dir.path() / "missing", "*").empty());
    EXPECT_TRUE(listFolder(dir.path(), "*.wld").empty());
}

TEST(FileFacts, FoldersProbesAndTemporaryFiles) {
    TempDir dir;
    EXPECT_TRUE(createFolder(dir.path() / "Temp"));
    EXPECT_FALSE(createFolder(dir.path() / "Temp"));
    EXPECT_FALSE(createFolder(dir.path() / "a/b")); // one level only

    const auto target = dir.write("out.gro", "old contents");
    EXPECT_TRUE(probeWritable(target));
    EXPECT_EQ(testing::readFile(target), "old contents"); // the probe never empties what is there
    EXPECT_TRUE(probeWritable(dir.path() / "new.gro"));
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "new.gro"));
    EXPECT_FALSE(probeWritable(dir.path() / "Temp"));
    EXPECT_FALSE(probeWritable(dir.path() / "missing/x.gro"));

    const auto first = uniqueTempFile(dir.path(), "kvn");
    const auto second = uniqueTempFile(dir.path(), "kvn");
    EXPECT_NE(first, second);
    EXPECT_TRUE(std::filesystem::is_regular_file(first));
    EXPECT_TRUE(first.filename().string().starts_with("kvn"));
    EXPECT_EQ(first.parent_path(), dir.path());
    EXPECT_TRUE(uniqueTempFile(dir.path() / "missing", "kvn").empty());
}

} // namespace
} // namespace korvane
