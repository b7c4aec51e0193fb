// korvane pack on the demo: the log, the exit code, and the archive it leaves.
#include "CliFixture.h"

#include <algorithm>
#include <filesystem>

namespace korvane::testing {
namespace {

using PackCommand = DemoInstallationTest;

// The archive holds what was found on disk, under the spelling the disk has.
std::vector<std::string> asPacked(std::vector<std::string> files) {
    files.erase(std::remove(files.begin(), files.end(), "Sounds\\Demo\\Drip.wav"), files.end());
    std::replace(files.begin(), files.end(), std::string("Textures\\Demo\\CASTLEFLOOR.tex"),
                 std::string("Textures\\Demo\\CastleFloor.tex"));
    return files;
}

std::vector<std::string> listed(const std::string& archive) {
    return korvane({"list", archive}).outLines();
}

TEST_F(PackCommand, PacksWhatTheMapsNeedAndLogsTheMissingFile) {
    const std::string output = scratch_.root() + "Demo.gro";
    const CliRun run =
        korvane({"pack", "--root", root(), "--output", output, "Levels\\DemoCastle.wld", "Levels\\DemoCanyon.wld"});
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.outLines(), (std::vector<std::string>{
                                  "Checking file path... Exists.", "Checking file writability... OK!", "Setting up...",
                                  "Packing...", "  ERROR: File Sounds\\Demo\\Drip.wav was not found!", "Done."}));
    // The missing files as korvane scan lists them, then the closing message.
    EXPECT_TRUE(run.err.ends_with("\nSome files could not be included in the GRO. See the log for details.\n"));
    EXPECT_EQ(listed(output), asPacked(expectedFiles()));
}

TEST_F(PackCommand, HandEditsAndAnOutputWithoutExtensionSucceed) {
    const auto here = std::filesystem::current_path();
    std::filesystem::current_path(scratch_.path());
    const CliRun run = korvane({"pack", "--root", root(), "--output", "Castle", "Levels/DemoCastle.wld", "--exclude",
                                "Music/Demo/Theme.mp3", "--add", "Textures\\Demo\\CanyonRock.tex", "--add",
                                root() + "Levels/DemoCanyon.vis", "--exclude", "Levels\\Nothing.tex"});
    std::filesystem::current_path(here);
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.err, "Levels\\Nothing.tex is not in the list; nothing to exclude.\n");
    EXPECT_EQ(run.outLines().back(), "The gro has been successfully created.");

    const auto members = listed(scratch_.root() + "Castle.gro");
    EXPECT_EQ(members.size(), 15u);
    EXPECT_EQ(std::count(members.begin(), members.end(), "Music\\Demo\\Theme.mp3"), 0);
    EXPECT_EQ(members[members.size() - 2], "Textures\\Demo\\CanyonRock.tex");
    EXPECT_EQ(members.back(), "Levels\\DemoCanyon.vis");
}

TEST_F(PackCommand, ADestinationThatCannotBeMadeStopsWithTheWindowsMessage) {
    const CliRun run =
        korvane({"pack", "--root", root(), "--output", scratch_.root() + "a/b/Demo.gro", "Levels\\DemoCastle.wld"});
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.out, "Checking file path...\n");
    EXPECT_EQ(run.err, "Error: The path did not exist and could not be created!\n");
    EXPECT_FALSE(std::filesystem::exists(scratch_.path() / "a"));
}

} // namespace
} // namespace korvane::testing
