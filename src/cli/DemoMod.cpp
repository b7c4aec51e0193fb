#include "cli/DemoMod.h"

namespace korvane::cli {

namespace {

constexpr const char* kFolder = "Mods\\DemoMod\\";

std::string inMod(const std::string& name) {
    return kFolder + name;
}

// A library as the entity compiler leaves it: each component's file a NUL-terminated string after "EFNM".
std::string entityLibrary(const std::vector<std::string>& resources) {
    std::string bytes = "MZ" + demoFiller(1500, 21);
    for (const std::string& name : resources) {
        bytes += "EFNM" + name + '\0' + demoFiller(700, static_cast<std::uint32_t>(name.size()));
    }
    return bytes;
}

} // namespace

std::vector<DemoFile> demoModLooseFiles() {
    return {
        {inMod("ModName.txt"), "Demo Mod\r\n"},
        // The game runs a folder under Mods as a mod only when it has one of these lists.
        {inMod("BaseWriteInclude.lst"), "Controls\\\r\nPlayers\\\r\n"},
        {inMod(kDemoModMap),
         demoWorld({"Textures\\General\\Grass.tex", "Textures\\DemoMod\\Crate.tex", "Textures\\DemoMod\\Glow.tex",
                    "Mods\\DemoMod\\Textures\\DemoMod\\Sign.tex", "Classes\\DemoMod\\Beacon.ecl"},
                   2000)},
        {inMod("Textures\\DemoMod\\Glow.tex"), demoTexture(32, "")},
        {inMod("Textures\\DemoMod\\Sign.tex"), demoTexture(24, "")},
        {inMod("Classes\\DemoMod\\Beacon.ecl"), "Package: TFNM Bin\\DemoMod.dll\r\nClass: CBeacon\r\n"},
        // Named with the game's ModExt.txt suffix, as the game loads the class file's Bin\\DemoMod.dll.
        {inMod("Bin\\DemoModMP.dll"), entityLibrary({"Models\\DemoMod\\Beacon.mdl", "Sounds\\DemoMod\\Beacon.wav"})},
        {inMod("Models\\DemoMod\\Beacon.mdl"), "MDAT" + demoFiller(1200, 22)},
        {inMod("Sounds\\DemoMod\\Beacon.wav"), "RIFF" + demoFiller(900, 23)},
    };
}

DemoArchive demoModArchive() {
    return {inMod("DemoMod.gro"),
            {
                {"Textures\\DemoMod\\Crate.tex", demoTexture(32, "")},
                {"Models\\DemoMod\\Crate.mdl", "MDAT" + demoFiller(800, 24)},
            }};
}

} // namespace korvane::cli
