#include "archive/internal/ArchiveFile.h"
#include "platform/FileError.h"
#include "support/ExpectError.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace korvane {
namespace {

TEST(ModelArchiveFile, ReadsWritesAndCutsAtItsOwnPosition) {
    testing::TempDir dir;
    const std::string path = (dir.path() / "a.gro").string();
    {
        TZEArchiveFile file = TZEArchiveFile::create(path);
        EXPECT_TRUE(file.writable());
        EXPECT_EQ(file.size(), 0u);
        EXPECT_EQ(file.write("0123456789"), 10u);
        EXPECT_EQ(file.position(), 10u);
        file.seek(2);
        EXPECT_EQ(file.write("ab"), 2u);
        EXPECT_TRUE(file.truncate(6));
        EXPECT_TRUE(file.flush());
        file.seek(0);
        EXPECT_EQ(file.readExact(6), "01ab45");
        char byte = 0;
        EXPECT_EQ(file.read(&byte, 1), 0u); // at the end
    }
    EXPECT_EQ(testing::readFile(path), "01ab45");

    TZEArchiveFile reader = TZEArchiveFile::open(path, 0);
    EXPECT_FALSE(reader.writable());
    reader.seek(4);
    testing::expectError<FileError>([&] { reader.readExact(3); }, "Cannot read file " + path);
    reader.seek(0);
    EXPECT_THROW(reader.readExact(std::size_t{1} << 40), FileError); // refused before allocating
    TZEArchiveFile moved = std::move(reader);
    EXPECT_EQ(moved.readExact(2), "01");
}

TEST(ModelArchiveFile, CreatingAFileAnotherEngineHoldsLeavesItIntact) {
    testing::TempDir dir;
    const std::string path = dir.write("held.gro", "precious").string();
    TZEArchiveFile holder = TZEArchiveFile::open(path, 0);
    testing::expectError<FileError>([&] { TZEArchiveFile::create(path); }, "Cannot create file " + path);
    EXPECT_EQ(testing::readFile(path), "precious");
    EXPECT_THROW(TZEArchiveFile::open(path, 2), FileError); // a writer waits for the reader too
    holder.close();
    EXPECT_NO_THROW(TZEArchiveFile::create(path));
    EXPECT_EQ(testing::readFile(path), "");
    EXPECT_THROW(TZEArchiveFile::open((dir.path() / "none.gro").string(), 0), FileError);
    EXPECT_THROW(TZEArchiveFile::create((dir.path() / "no/such/folder.gro").string()), FileError);
}

TEST(ModelArchiveFile, AFileAsideIsSeenOnlyOnceItReplacesTheDestinationAndOtherwiseLeavesNoTrace) {
    testing::TempDir dir;
    const std::string path = dir.write("map.gro", "previous").string();
    const auto names = [&] {
        std::vector<std::string> found;
        for (const auto& item : std::filesystem::directory_iterator(dir.path())) {
            found.push_back(item.path().filename().string());
        }
        std::sort(found.begin(), found.end());
        return found;
    };
    for (const bool unnamed : {true, false}) {
        {
            TZEArchiveFile dropped = TZEArchiveFile::createAside(path, unnamed);
            EXPECT_EQ(dropped.write("dropped"), 7u);
            EXPECT_EQ(names().size(), unnamed ? 1u : 2u) << "a hidden name only where no unnamed file is had";
        }
        EXPECT_EQ(names(), std::vector<std::string>{"map.gro"});
        TZEArchiveFile kept = TZEArchiveFile::createAside(path, unnamed);
        kept.write(unnamed ? "unnamed" : "hidden");
        EXPECT_EQ(testing::readFile(path), unnamed ? "previous" : "unnamed");
        kept.replaceDestination();
        kept.close();
        EXPECT_EQ(testing::readFile(path), unnamed ? "unnamed" : "hidden");
        EXPECT_EQ(names(), std::vector<std::string>{"map.gro"});
    }
}

} // namespace
} // namespace korvane
