#include "ReadListing.h"
#include "broken/BrokenArchives.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

TEST(ReadBroken, EveryBrokenArchiveEndsInItsError) {
    testing::TempDir dir;
    for (const testing::BrokenArchive& broken : testing::brokenArchives()) {
        const std::string path = dir.write("broken.gro", broken.bytes).string();
        std::string expected = broken.expected;
        if (const auto at = expected.find('@'); at != std::string::npos) {
            expected.replace(at, 1, path);
        }
        EXPECT_EQ(testing::openError(path), expected) << broken.name;
    }
}

TEST(ReadBroken, OddArchivesAndSurvivableDamageStillList) {
    testing::TempDir dir;
    for (const auto& [name, bytes] : testing::listableArchives()) {
        const std::string path = dir.write("odd.gro", bytes).string();
        EXPECT_EQ(testing::listArchive(path), std::vector<std::string>{"Textures\\Wall.tex"}) << name;
    }
}

} // namespace
} // namespace korvane
