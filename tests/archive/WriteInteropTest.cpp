// An archive updated call by call: a copy taken as each AddFiles returns opens with the engine and every tool
// and holds exactly the files added so far.
#include "WriteSupport.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <random>

namespace korvane::testing {
namespace {

std::string mixed(std::size_t size, unsigned seed) {
    std::mt19937 random(seed);
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<char>(i % 3 == 0 ? random() : 'a' + i % 7);
    }
    return bytes;
}

using WriteInterop = WriteFixture;

// Failing and cancelled calls are the faults tests' own; here each call succeeds.
TEST_F(WriteInterop, EveryCallLeavesACompleteArchiveHoldingTheCallsSoFar) {
    TempDir copies;
    const auto block = compressionBlockSize(7);
    struct Step {
        std::string mask;
        std::string stored;
        std::string content;
    };
    const std::vector<Step> steps{
        {"Empty.txt", "Empty.txt", ""},
        {"Ten.txt", "Ten.txt", "0123456789"},
        {"Textures\\Block.tex", "Textures/Block.tex", mixed(block, 1)},
        {"Textures\\BlockAndOne.tex", "Textures/BlockAndOne.tex", mixed(block + 1, 2)},
        {"Music\\Theme.MP3", "Music/Theme.MP3", mixed(70000, 3)},
        {"ten.TXT", "Ten.txt", "replaced in place, longer than before"}, // the disk's spelling stays
        {"Levels\\Deep\\Level.wld", "Levels/Deep/Level.wld", mixed(300000, 4)},
    };
    auto engine = createArchive(archive, base.root());
    std::map<std::string, std::string> expected;
    int call = 0;
    for (const auto& [mask, stored, content] : steps) {
        base.write(stored, content);
        engine->AddFiles(mask, kSearchAttrFiles, "");
        expected[stored] = content;
        const auto copy = copies.path() / ("after-" + std::to_string(++call) + ".gro");
        std::filesystem::copy_file(archive, copy);
        std::vector<std::string> names;
        for (const auto& [name, bytes] : expected) {
            names.push_back(name);
        }
        auto listed = listCopy(copy);
        for (auto& name : listed) {
            std::replace(name.begin(), name.end(), '\\', '/');
        }
        std::sort(listed.begin(), listed.end());
        EXPECT_EQ(listed, names) << "after " << mask;
        expectToolsAgree(copy, expected);
    }
}

} // namespace
} // namespace korvane::testing
