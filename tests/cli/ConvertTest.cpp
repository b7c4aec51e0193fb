// korvane convert: the converter's outcomes without its questions.
#include "CliFixture.h"

#include <filesystem>

namespace korvane::testing {
namespace {

std::string world(unsigned char first, unsigned char second) {
    std::string bytes = "BUIV";
    bytes += static_cast<char>(first);
    bytes += static_cast<char>(second);
    return bytes + "rest of the world";
}

TEST(ConvertCommand, ABetaMapIsCopiedWithTheReleaseVersion) {
    TempDir dir;
    const auto source = dir.write("Beta.wld", world(152, 58));
    const CliRun run = korvane({"convert", source.string(), dir.root() + "Release"});
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out, "Done.\n");
    EXPECT_TRUE(run.err.empty());
    EXPECT_EQ(readFile(dir.path() / "Release.wld"), world(16, 39));
    EXPECT_EQ(readFile(source), world(152, 58));
}

TEST(ConvertCommand, AnUnknownVersionNeedsForce) {
    TempDir dir;
    const auto source = dir.write("Odd.wld", world(1, 2));
    const CliRun refused = korvane({"convert", source.string(), dir.root() + "Out.wld"});
    EXPECT_EQ(refused.code, 1);
    EXPECT_NE(refused.err.find("--force"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "Out.wld"));

    const CliRun forced = korvane({"convert", "--force", source.string(), dir.root() + "Out.wld"});
    EXPECT_EQ(forced.code, 0) << forced.err;
    EXPECT_EQ(readFile(dir.path() / "Out.wld"), world(16, 39));
}

TEST(ConvertCommand, NothingIsWrittenForAReleaseMapAMissingMapOrTheSourceItself) {
    TempDir dir;
    const auto release = dir.write("Release.wld", world(16, 39));
    const CliRun already = korvane({"convert", release.string(), dir.root() + "Out.wld"});
    EXPECT_EQ(already.code, 1);
    EXPECT_EQ(already.err, "This file is already version 1.07\n");

    const CliRun missing = korvane({"convert", dir.root() + "None.wld", dir.root() + "Out.wld"});
    EXPECT_EQ(missing.code, 1);
    EXPECT_EQ(missing.err, "Cannot open file " + dir.root() + "None.wld\n");

    const auto beta = dir.write("Beta.wld", world(152, 58));
    EXPECT_EQ(korvane({"convert", beta.string(), beta.string()}).code, 1);
    EXPECT_EQ(readFile(beta), world(152, 58));
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "Out.wld"));
}

} // namespace
} // namespace korvane::testing
