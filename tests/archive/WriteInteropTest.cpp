// A packing run, call by call: a copy taken as each AddFiles returns opens with the engine and every tool and
// holds exactly the files added so far.
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

TEST(WriteInterop, EveryCallLeavesACompleteArchiveHoldingTheCallsThatSucceeded) {
    TempDir base;
    TempDir out;
    TempDir copies;
    const auto archive = out.path() / "Map.gro";
    const auto block = compressionBlockSize(7);
    struct Step {
        std::string mask;
        std::string stored;
        std::string content;
        bool fails = false;
    };
    const std::vector<Step> steps{
        {"Empty.txt", "Empty.txt", ""},
        {"Ten.txt", "Ten.txt", "0123456789"},
        {"Textures\\Block.tex", "Textures/Block.tex", mixed(block, 1)},
        {"Textures\\BlockAndOne.tex", "Textures/BlockAndOne.tex", mixed(block + 1, 2)},
        {"Music\\Theme.MP3", "Music/Theme.MP3", mixed(70000, 3)},
        {"Gone.txt", "Gone.txt", "vanishes before it is read", true},
        {"ten.TXT", "Ten.txt", "replaced in place, longer than before"}, // the disk's spelling stays
        {"Cancelled.txt", "Cancelled.txt", "the user cancels", true},
        {"Levels\\Deep\\Level.wld", "Levels/Deep/Level.wld", mixed(300000, 4)},
    };
    auto engine = createArchive(archive, base.root());
    engine->OnConfirmProcessFile = [&](TZEBaseArchiver&, const std::string& name, TZEProcessOperation, bool&) {
        if (name.ends_with("Gone.txt")) {
            std::filesystem::remove(name);
        }
    };
    engine->OnFileProgress = [](TZEBaseArchiver&, const std::string& name, double, TZEProcessOperation,
                                TZEProgressPhase phase,
                                bool& cancel) { cancel = phase == ppProcess && name == "Cancelled.txt"; };
    engine->OnProcessFileFailure = [](TZEBaseArchiver&, const std::string&, TZEProcessOperation, int, int,
                                      const std::string&, TZEAction& action) { action = fxaAbort; };
    std::map<std::string, std::string> expected;
    int call = 0;
    for (const auto& step : steps) {
        base.write(step.stored, step.content);
        engine->AddFiles(step.mask, kSearchAttrFiles, "");
        if (!step.fails) {
            expected[step.stored] = step.content;
        }
        const auto copy = copies.path() / ("after-" + std::to_string(++call) + ".gro");
        std::filesystem::copy_file(archive, copy);
        std::vector<std::string> names;
        for (const auto& [name, content] : expected) {
            names.push_back(name);
        }
        auto listed = listCopy(copy);
        for (auto& name : listed) {
            std::replace(name.begin(), name.end(), '\\', '/');
        }
        std::sort(listed.begin(), listed.end());
        EXPECT_EQ(listed, names) << "after " << step.mask;
        expectToolsAgree(copy, expected);
    }
}

} // namespace
} // namespace korvane::testing
