// A map dropped on the program, or packed without --root: the installation is found from the map's own path.
#include "CliFixture.h"

#include "support/ArchiveCheck.h"
#include "support/ScopedEnvironment.h"

#include <filesystem>

namespace korvane::testing {
namespace {

namespace fs = std::filesystem;

TEST(DroppedMap, IsPackedIntoItsOwnInstallationOrModWithTheStandardListBuiltFirst) {
    TempDir scratch;
    const std::string install = scratch.root() + "Games";
    ASSERT_EQ(korvane({"demo", install}).code, 0);
    // A Second Encounter v1.07 whose list of standard files was never built.
    fs::remove_all(install + "/Temp");
    for (const char* name : {"SE1_00_ExtraTools.gro", "SE1_00_Music.gro", "1_04_patch.gro", "1_07_tools.gro"}) {
        fs::copy_file(install + "/SE1_00_Extra.gro", install + "/" + name);
    }
    ScopedEnvironment environment;
    environment.set("KORVANE_SETTINGS", (scratch.root() + "none.reg").c_str());

    const CliRun dropped = korvane({install + "/Levels/DemoCastle.wld"});
    ASSERT_EQ(dropped.code, 0) << dropped.err;
    EXPECT_EQ(dropped.outLines().back(), "The gro has been successfully created.");
    EXPECT_EQ(dropped.out.rfind("Packing " + install + "/Levels/DemoCastle.wld into ", 0), 0u) << dropped.out;
    EXPECT_TRUE(fs::is_regular_file(install + "/Temp/KVN_files.dat"));
    const std::string archive = install + "/DemoCastle.gro";
    EXPECT_EQ(korvane({"list", archive}).outLines().size(), 14u);
    if (commandExists("unzip")) {
        EXPECT_TRUE(runCommand("unzip -tq '" + archive + "'").second);
    }

    // A mod's map packs for the mod, into the mod's folder.
    const CliRun mod = korvane({"pack", install + "/Mods/DemoMod/Levels/DemoModLevel.wld"});
    EXPECT_EQ(mod.code, 0) << mod.err;
    EXPECT_TRUE(fs::is_regular_file(install + "/Mods/DemoMod/DemoModLevel.gro"));

    // Outside any installation, with none configured, nothing can be packed.
    const CliRun lost = korvane({scratch.write("Loose/Lost.wld", "").string()});
    EXPECT_EQ(lost.code, 2);
    EXPECT_NE(lost.err.find("is not inside a Serious Sam installation"), std::string::npos) << lost.err;
    EXPECT_EQ(folderNames(scratch.path() / "Loose"), std::vector<std::string>{"Lost.wld"});
}

} // namespace
} // namespace korvane::testing
