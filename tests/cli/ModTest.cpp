// korvane scan and pack for the demo's mod: names resolve as the game resolves them with the mod active.
#include "CliFixture.h"

#include "scan/GameBytes.h"

#include <filesystem>

namespace korvane::testing {
namespace {

using Names = std::vector<std::string>;

class ModCommands : public DemoInstallationTest {
protected:
    // A copy of the demo to change and pack into.
    std::string copy() {
        std::filesystem::copy(root(), scratch_.path() / "install", std::filesystem::copy_options::recursive);
        return scratch_.root() + "install/";
    }
};

// The mod's own archive holds Crate.tex, the stock one Grass.tex; the prefixed name is kept as the map
// writes it, since that is the name the game looks up in the archives.
// The class file names Bin\DemoMod.dll; the game loads it with the installation's ModExt.txt suffix, from
// the mod's own Bin first. The library ships beside the archive, never in it.
const Names kModFiles{"Textures\\DemoMod\\Glow.tex",  "Mods\\DemoMod\\Textures\\DemoMod\\Sign.tex",
                      "Classes\\DemoMod\\Beacon.ecl", "Bin\\DemoModMP.dll",
                      "Models\\DemoMod\\Beacon.mdl",  "Sounds\\DemoMod\\Beacon.wav",
                      "Levels\\DemoModLevel.wld"};
Names packed(Names names) {
    std::erase(names, "Bin\\DemoModMP.dll");
    return names;
}

TEST_F(ModCommands, PacksIntoTheModsFolderAnArchiveTheModThenNeedsNothingElseFor) {
    const std::string install = copy();
    // A map inside the mod's folder is named relative to it, however it is given.
    const CliRun scan = korvane(
        {"scan", "--root", install, "--mod", "demomod", "--deep", install + "Mods/DemoMod/Levels/DemoModLevel.wld"});
    EXPECT_EQ(scan.code, 0) << scan.err;
    EXPECT_EQ(scan.outLines(), kModFiles);
    EXPECT_EQ(scan.err, "Ship beside the archive: Bin\\DemoModMP.dll (the game loads libraries only from plain files "
                        "in Bin, never from a GRO)\n");
    // Without --deep the hint counts what the mod's entity library adds.
    const CliRun plain = korvane({"scan", "--root", install, "--mod", "DemoMod", "Levels\\DemoModLevel.wld"});
    EXPECT_EQ(plain.err, "3 more files are needed by the listed files; --deep adds them\n");

    const std::string beside = scratch_.root() + "beside";
    const CliRun pack = korvane(
        {"pack", "--root", install, "--mod", "DemoMod", "--deep", "--beside", beside, "Levels\\DemoModLevel.wld"});
    EXPECT_EQ(pack.code, 0) << pack.err;
    EXPECT_NE(pack.out.find("Copied 1 file to ship beside the GRO"), std::string::npos);
    const std::string archive = install + "Mods/DemoMod/DemoModLevel.gro";
    EXPECT_EQ(korvane({"list", archive}).outLines(), packed(kModFiles));
    // Checked where it lies, the archive is not taken for one of the mod's own.
    EXPECT_EQ(korvane({"check", archive, "--root", install, "--mod", "DemoMod"}).out, "No problems found.\n");

    // Packed again without --beside, the closing lines say how many files must go with it.
    const CliRun again = korvane({"pack", "--root", install, "--mod", "DemoMod", "--deep", "Levels\\DemoModLevel.wld"});
    EXPECT_EQ(again.code, 0);
    EXPECT_NE(again.out.find("1 file must ship beside the GRO"), std::string::npos) << again.out;

    // A player's mod folder: the archive beside the mod's own, none of the map maker's loose files. The
    // game then finds every name.
    std::filesystem::rename(archive, install + "Mods/DemoMod/Received.gro");
    for (const char* folder : {"Textures", "Classes", "Bin", "Models", "Sounds"}) {
        std::filesystem::remove_all(install + "Mods/DemoMod/" + folder);
    }
    // and the folder shipped beside it, unpacked into the mod's.
    std::filesystem::copy(beside, install + "Mods/DemoMod", std::filesystem::copy_options::recursive);
    const CliRun after = korvane({"scan", "--root", install, "--mod", "DemoMod", "--deep", "Levels/DemoModLevel.wld"});
    EXPECT_EQ(after.code, 0) << after.err;
    EXPECT_EQ(after.outLines(), Names{"Levels\\DemoModLevel.wld"});
}

// Which archives a run may replace is the pack job's; here, the exit codes of a refusal and of a map that is gone.
TEST_F(ModCommands, ARunThatWouldCostAStandardArchiveOrFindsNoMapWritesNothing) {
    const std::string install = copy();
    const std::string standard = readFile(install + "SE1_00.gro");
    const std::vector<std::pair<Names, int>> rows{
        {{"--output", install + "SE1_00.gro", "Levels\\DemoCanyon.wld"}, 2},
        {{"--output", install + "Out.gro", "Levels\\NoSuchMap.wld"}, 1},
    };
    for (const auto& [arguments, code] : rows) {
        Names command{"pack", "--root", install};
        command.insert(command.end(), arguments.begin(), arguments.end());
        const CliRun run = korvane(command);
        EXPECT_EQ(run.code, code) << arguments.back();
        EXPECT_EQ(run.out.find("successfully"), std::string::npos) << run.out;
    }
    EXPECT_EQ(readFile(install + "SE1_00.gro"), standard);
    EXPECT_FALSE(std::filesystem::exists(install + "Out.gro"));
}

TEST_F(ModCommands, TheModsFileComesFirstAndTheCheckKnowsTheMod) {
    const std::string install = copy();
    scratch_.write("install/Textures/DemoMod/Glow.tex", std::string(200, 'x') + dfnm("Base\\Only.tex"));
    scratch_.write("install/Mods/DemoMod/Textures/DemoMod/Glow.tex",
                   std::string(200, 'x') + dfnm("Textures\\DemoMod\\Sign.tex"));
    scratch_.write("install/Mods/DemoMod/Textures/DemoMod/Crate.tex", "a loose copy of the mod's own");
    const std::string output = install + "Mods/DemoMod/out.gro";
    const CliRun run = korvane({"pack", "--root", install, "--mod", "DemoMod", "--output", output, "--add",
                                "Textures/DemoMod/Crate.tex", "Levels/DemoModLevel.wld"});
    // Nothing is missing: the warning alone fails the run.
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.err.find("Needed files"), std::string::npos) << run.err;
    EXPECT_EQ(korvane({"list", output}).outLines(),
              (Names{"Textures\\DemoMod\\Glow.tex", "Textures\\DemoMod\\Sign.tex",
                     "Mods\\DemoMod\\Textures\\DemoMod\\Sign.tex", "Classes\\DemoMod\\Beacon.ecl",
                     "Levels\\DemoModLevel.wld", "Textures\\DemoMod\\Crate.tex"}));
    // Read before the mod's own archive, the packed copy wins while the mod runs.
    EXPECT_NE(run.out.find("Warning: Textures\\DemoMod\\Crate.tex is also a standard file (in "
                           "Mods\\DemoMod\\DemoMod.gro); the game reads Mods\\DemoMod\\out.gro first and uses this "
                           "copy for every map played with the mod DemoMod, not just yours."),
              std::string::npos)
        << run.out;
}

TEST_F(ModCommands, AModsFolderAsRootOrAnUnknownModIsAUsageError) {
    const CliRun inside = korvane({"scan", "--root", root() + "Mods/DemoMod", "Levels/DemoModLevel.wld"});
    EXPECT_EQ(inside.code, 2);
    EXPECT_EQ(splitLines(inside.err).front(), "korvane: " + root() +
                                                  "Mods/DemoMod is the folder of the mod DemoMod: "
                                                  "give the game's folder as --root and add --mod DemoMod.");
    const CliRun unknown = korvane({"pack", "--root", root(), "--mod", "Other", "Levels/DemoModLevel.wld"});
    EXPECT_EQ(unknown.code, 2);
    EXPECT_EQ(splitLines(unknown.err).front(),
              "korvane: There is no mod Other in " + std::filesystem::canonical(root()).string() + "/Mods/.");
}

} // namespace
} // namespace korvane::testing
