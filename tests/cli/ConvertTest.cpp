// korvane convert: the converter's outcomes as exit codes and texts, without its questions.
#include "CliFixture.h"

#include <filesystem>

namespace korvane::testing {
namespace {

std::string world(unsigned char first, unsigned char second) {
    return std::string("BUIV") + static_cast<char>(first) + static_cast<char>(second) + "rest of the world";
}

TEST(ConvertCommand, EachOutcomeHasItsExitCodeAndText) {
    TempDir dir;
    const std::string beta = dir.write("Beta.wld", world(152, 58)).string();
    const std::string odd = dir.write("Odd.wld", world(1, 2)).string();
    const std::string release = dir.write("Release.wld", world(16, 39)).string();
    const std::string out = dir.root() + "Out";
    struct Case {
        std::vector<std::string> words;
        int code;
        std::string out, err;
    };
    const Case cases[] = {
        {{"convert", release, out}, 1, "", "This file is already version 1.07\n"},
        {{"convert", dir.root() + "None.wld", out}, 1, "", "Cannot open file " + dir.root() + "None.wld\n"},
        {{"convert", beta, beta}, 1, "", ""},
        {{"convert", odd, out}, 1, "", ""},
        {{"convert", beta, out}, 0, "Done.\n", ""},
    };
    for (const Case& c : cases) {
        const CliRun run = korvane(c.words);
        EXPECT_EQ(run.code, c.code) << c.words[1];
        EXPECT_EQ(run.out, c.out) << c.words[1];
        if (c.code == 0 || !c.err.empty()) {
            EXPECT_EQ(run.err, c.err) << c.words[1];
        }
        // Only the last case writes, and never over its source.
        EXPECT_EQ(std::filesystem::exists(out + ".wld"), c.code == 0) << c.words[1];
    }
    EXPECT_EQ(readFile(out + ".wld"), world(16, 39));
    EXPECT_EQ(readFile(beta), world(152, 58));
    EXPECT_NE(korvane({"convert", odd, out}).err.find("--force"), std::string::npos);
    EXPECT_EQ(korvane({"convert", "--force", odd, dir.root() + "Forced.wld"}).code, 0);
    EXPECT_EQ(readFile(dir.path() / "Forced.wld"), world(16, 39));
}

} // namespace
} // namespace korvane::testing
