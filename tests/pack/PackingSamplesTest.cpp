#include "PackingFixture.h"
#include "support/ArchiveCheck.h"

#include <algorithm>
#include <filesystem>

namespace korvane::testing {
namespace {

// Files written by the game's own tools, copied into the installation (a link out of it would not count).
TEST_F(PackingFixture, RealGameFilesLandByteForByte) {
    const std::filesystem::path samples = KORVANE_SAMPLES_DIR;
    if (!std::filesystem::is_directory(samples)) {
        GTEST_SKIP() << "no sample files";
    }
    const std::vector<std::pair<std::string, std::string>> copies{
        {"ParametricParticles_DemoResources/beam.tex", "beam.tex"},
        {"Mods/SeriousSamTbn.tex", "SeriousSamTbn.tex"},
        {"Models/Editor/SpawnShapeBase.mdl", "SpawnShapeBase.mdl"},
        {"Classes/ParametricParticles.ecl", "ParametricParticles.ecl"},
    };
    std::vector<Member> expected;
    for (const auto& [relative, sample] : copies) {
        const auto copy = std::filesystem::path(root) / relative;
        std::filesystem::create_directories(copy.parent_path());
        std::filesystem::copy_file(samples / sample, copy);
        std::string entry = relative;
        std::replace(entry.begin(), entry.end(), '/', '\\');
        check({entry});
        expected.push_back({relative, 8, readFile(samples / sample)});
    }
    dialogs.answers = {false};
    pack(out + "samples.gro");
    EXPECT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(screen.log.back(), "Done.");
    EXPECT_EQ(readMembers(out + "samples.gro"), expected);
    expectToolsAccept(out + "samples.gro");
}

} // namespace
} // namespace korvane::testing
