// Files written by the game's own tools, read in place.
#include "ScannerFixture.h"

#include <filesystem>

namespace korvane {
namespace {

class SampleFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!std::filesystem::exists(std::filesystem::path(KORVANE_SAMPLES_DIR) / "README.md")) {
            GTEST_SKIP() << "no sample files";
        }
    }
    std::string root = std::string(KORVANE_SAMPLES_DIR) + "/";
    NameList files;
    NameList standard;
    MissingList missing;
    ReferenceScanner scanner{root, files, standard, missing};
};

TEST_F(SampleFilesTest, TexturesAndAModelFromTheGameToolsNameNothing) {
    scanner.LookForTFNM3("beam.tex");
    scanner.LookForTFNM3("SERIOUSSAMTBN.TEX");
    int reports = 0;
    scanner.LookForWorldDFNM("SpawnShapeBase.mdl", [&reports](std::uint64_t, std::uint64_t) { ++reports; });
    EXPECT_TRUE(files.empty());
    EXPECT_TRUE(missing.empty());
    EXPECT_EQ(reports, 0);
}

TEST_F(SampleFilesTest, ClassFileNamesItsLibrary) {
    scanner.LookForTFNM("ParametricParticles.ecl");
    EXPECT_EQ(files.names(), std::vector<std::string>{"Bin\\ParametricParticles.dll"});
    EXPECT_EQ(missing.names(), std::vector<std::string>{"Bin\\ParametricParticles.dll"});
}

} // namespace
} // namespace korvane
