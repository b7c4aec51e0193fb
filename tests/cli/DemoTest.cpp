// korvane demo: the installation it creates, and the settings file it may configure.
#include "CliFixture.h"

#include "platform/GamePath.h"
#include "support/ScopedEnvironment.h"

#include <filesystem>

namespace korvane::testing {
namespace {

using DemoCommand = DemoInstallationTest;

TEST_F(DemoCommand, CreatesAnInstallationThatStartsConfigured) {
    EXPECT_TRUE(std::filesystem::is_regular_file(root() + "Bin/SeriousSam.exe"));
    EXPECT_EQ(readFile(root() + "Temp/KVN_gros.dat"), "SE1_00.gro\r\nSE1_00_Extra.gro\r\n");
    // The standard list is both archives' members, as the engine lists them.
    const std::string first = korvane({"list", root() + "SE1_00.gro"}).out;
    const std::string second = korvane({"list", root() + "SE1_00_Extra.gro"}).out;
    std::string expected;
    for (const std::string& name : splitLines(first + second)) {
        expected += name + "\r\n";
    }
    EXPECT_EQ(readFile(root() + "Temp/KVN_files.dat"), expected);
    EXPECT_EQ(splitLines(first).size(), 6u);
    // The game plays only stored sounds, and the demo's archives hold some.
    for (const char* archive : {"SE1_00.gro", "SE1_00_Extra.gro"}) {
        EXPECT_EQ(korvane({"check", root() + archive}).out, "No problems found.\n") << archive;
    }
    // No staging folder is left behind.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(root() + "Temp"), {}), 2);
}

TEST_F(DemoCommand, RefusesAFolderThatHoldsAnything) {
    scratch_.write("keep.txt", "mine");
    const CliRun run = korvane({"demo", scratch_.path().string()});
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.err.find("is not empty"), std::string::npos) << run.err;
    EXPECT_EQ(readFile(scratch_.path() / "keep.txt"), "mine");
}

TEST_F(DemoCommand, StoresItsRootInTheSettingsFileItIsGiven) {
    const std::string settings = scratch_.root() + "demo-settings.reg";
    const CliRun made = korvane({"demo", scratch_.root() + "install", "--settings", settings});
    ASSERT_EQ(made.code, 0) << made.err;
    const std::string installRoot = std::filesystem::canonical(scratch_.path() / "install").string() + kNativeSeparator;
    EXPECT_NE(made.out.find(installRoot), std::string::npos);

    ScopedEnvironment environment;
    environment.set("KORVANE_SETTINGS", settings.c_str());
    const CliRun configured = korvane({"root"});
    environment.set("KORVANE_SETTINGS", (scratch_.root() + "none.reg").c_str());
    const CliRun unconfigured = korvane({"root"});
    EXPECT_EQ(configured.code, 0) << configured.err;
    EXPECT_EQ(configured.out, installRoot + "\n");
    EXPECT_EQ(unconfigured.code, 1);
    EXPECT_TRUE(unconfigured.out.empty());
}

} // namespace
} // namespace korvane::testing
