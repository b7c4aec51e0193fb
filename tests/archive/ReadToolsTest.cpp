// Archives made by the tools people use, listed by the engine exactly as the tools made them.
#include "ReadListing.h"
#include "support/ArchiveCheck.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

namespace korvane {
namespace {

using Names = std::vector<std::string>;

Names sorted(Names names) {
    std::sort(names.begin(), names.end());
    return names;
}

class ReadTools : public ::testing::Test {
protected:
    void SetUp() override {
        dir.write("src/Textures/Wall.tex", "wall texture");
        dir.write("src/Textures/Old/Wall.TEX", std::string(5000, 'w'));
        dir.write("src/Sounds/Звук.wav", "sound");
        dir.write("src/Карта.wld", "map");
        dir.write("src/Readme", "no extension");
    }
    // Runs a shell command in the source folder; the archive path is relative to the test folder.
    void run(const std::string& command) {
        const std::string line = "cd '" + (dir.path() / "src").string() + "' && LC_ALL=C.UTF-8 " + command;
        ASSERT_EQ(std::system(line.c_str()), 0) << line;
    }
    std::string archive(const std::string& name) const { return (dir.path() / name).string(); }

    testing::TempDir dir;
    const std::string members = "Textures Sounds Карта.wld Readme";
    const Names expected =
        sorted({"Textures\\Wall.tex", "Textures\\Old\\Wall.TEX", "Sounds\\Звук.wav", "Карта.wld", "Readme"});
};

TEST_F(ReadTools, ZipSevenZipBsdtarAndPython) {
    // bsdtar's folder entries carry the folder type in the Unix mode only; Python's archive has a comment.
    const std::string python = "python3 -c \"import zipfile\n"
                               "with zipfile.ZipFile('../made.zip', 'w', zipfile.ZIP_DEFLATED) as z:\n"
                               "    z.comment = b'made by a script'\n"
                               "    for name in ['Textures', 'Textures/Wall.tex', 'Textures/Old', "
                               "'Textures/Old/Wall.TEX', 'Sounds/Звук.wav', 'Карта.wld', 'Readme']:\n"
                               "        z.write(name)\"";
    const std::vector<std::pair<std::string, std::string>> commands{
        {"zip", "zip -q -r ../made.zip " + members},
        {"zip", "zip -q -r -fz ../made.zip " + members},
        {"7z", "7z a -tzip ../made.zip " + members + " >/dev/null"},
        {"bsdtar", "bsdtar --format zip -cf ../made.zip " + members},
        {"python3", python}};
    for (const auto& [tool, command] : commands) {
        if (testing::commandExists(tool)) {
            std::filesystem::remove(archive("made.zip"));
            run(command);
            EXPECT_EQ(sorted(testing::listArchive(archive("made.zip"))), expected) << command;
        }
    }
}

TEST(ReadSample, MapMakersArchiveListsItsTwentyFiles) {
    const std::string path = std::string(KORVANE_SAMPLES_DIR) + "/ParametricParticles.gro";
    if (!std::filesystem::exists(path)) {
        GTEST_SKIP() << "samples are not here";
    }
    const Names names = testing::listArchive(path);
    ASSERT_EQ(names.size(), 20u);
    EXPECT_EQ(names.front(), "Classes\\AutoHeightMap.ecl");
    EXPECT_EQ(names[7], "Models\\Editor\\ParametricParticles.mdl");
    EXPECT_EQ(names.back(), "Thumbnails\\SpawnShapeSphere.tbn");
}

} // namespace
} // namespace korvane
