// korvane pack on the demo: the log, the exit code, and the archive it leaves.
#include "CliFixture.h"

#include "archive/ZipEngine.h"
#include "pack/PackingEvents.h"
#include "pack/PackingRun.h"
#include "pack/PackingScreen.h"
#include "platform/NameList.h"
#include "scan/CollectionRun.h"
#include "settings/SettingsFiles.h"
#include "support/ScriptedDialogs.h"

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
    EXPECT_EQ(run.err, "Needed files that were not found:\n  Sounds\\Demo\\Drip.wav\n"
                       "Some files could not be included in the GRO. See the log for details.\n");
    EXPECT_EQ(listed(output), asPacked(expectedFiles()));

    // Music and sound streams are stored as they are; everything else is deflated.
    for (const auto& [name, method] : zipMethods(output)) {
        const bool stream = name.ends_with(".ogg") || name.ends_with(".mp3");
        EXPECT_EQ(method, stream ? 0 : 8) << name;
    }
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

// What the main window does for the same maps: the collection run, then the packing run class.
class WindowScreen : public PackingScreen {
public:
    void showDestination(const std::string&) override {}
    void clearLog() override {}
    void appendLine(const std::string&) override {}
    void extendLastLine(const std::string&) override {}
    void setBusy(bool) override {}
};

class NoProgress : public ProgressSink {
public:
    void setOverallMax(int) override {}
    void setOverallPosition(int) override {}
    void setOverallText(const std::string&) override {}
    void setCurrentMax(int) override {}
    void setCurrentPosition(int) override {}
    void setCurrentText(const std::string&) override {}
    void processEvents() override {}
};

void packAsTheWindowsDo(const std::string& installRoot, const std::vector<std::string>& maps,
                        const std::string& destination) {
    AppState state;
    state.InstallRoot = installRoot;
    ASSERT_TRUE(LoadStandardLists(state));
    NameList files;
    MissingList missing;
    ScriptedDialogs dialogs;
    NoProgress progress;
    collectDependencies({state.InstallRoot, files, state.StandardFiles, missing}, maps, progress, dialogs);

    WindowScreen screen;
    PackingEvents events(progress, dialogs, screen);
    TZipEngine archiver;
    archiver.OnFileProgress = [&events](TZEBaseArchiver&, const std::string&, double value, TZEProcessOperation,
                                        TZEProgressPhase phase, bool&) { events.FileProgress(value, phase); };
    ScriptedShell shell;
    PackingRun({archiver, events, progress, dialogs, shell, screen}).run(installRoot, destination, files);
}

TEST_F(PackCommand, MakesTheSameArchiveAsThePackingRunOfTheWindows) {
    for (const auto& maps : {std::vector<std::string>{"Levels\\DemoCanyon.wld"},
                             std::vector<std::string>{"Levels\\DemoCanyon.wld", "Levels\\DemoCastle.wld"}}) {
        const std::string windows = scratch_.root() + "Windows.gro";
        const std::string headless = scratch_.root() + "Headless.gro";
        packAsTheWindowsDo(root(), maps, windows);
        std::vector<std::string> words{"pack", "--root", root(), "--output", headless};
        words.insert(words.end(), maps.begin(), maps.end());
        korvane(words);
        EXPECT_FALSE(listed(windows).empty());
        EXPECT_EQ(listed(headless), listed(windows));
        EXPECT_EQ(zipMethods(headless), zipMethods(windows));
    }
}

} // namespace
} // namespace korvane::testing
