#include "scan/ChosenFiles.h"
#include "platform/GamePath.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

using Names = std::vector<std::string>;

class ChosenFilesTest : public ::testing::Test {
protected:
    testing::TempDir install;
    std::string root = install.root();
    NameList list;
};

TEST_F(ChosenFilesTest, RelativeNamesArePositionalWithGameSeparators) {
    EXPECT_EQ(relativeNameOf("/games/ss/Levels/A.wld", "/games/ss/"), "Levels\\A.wld");
    // The cut characters are not compared with the root.
    EXPECT_EQ(relativeNameOf("/GAMES/SS/Levels/A.wld", "/games/ss/"), "Levels\\A.wld");
    EXPECT_EQ(relativeNameOf("/x", "/games/ss/"), "");
}

TEST_F(ChosenFilesTest, AChosenPathCountsForTheFileWithTheSameTailUnderTheRoot) {
    testing::TempDir twin;
    // Same length as the root, so the tail lines up.
    install.write("Levels/Same.wld", "");
    const std::string other = twin.root();
    ASSERT_EQ(other.size(), root.size());
    EXPECT_TRUE(addChosenMaps({other + "Levels/Same.wld"}, root, list).empty());
    EXPECT_EQ(list.names(), Names{"Levels\\Same.wld"});
}

} // namespace
} // namespace korvane
