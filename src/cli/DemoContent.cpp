#include "cli/DemoContent.h"

#include <algorithm>
#include <cstdint>

namespace korvane::cli {

namespace {

std::string le32(std::uint32_t value) {
    std::string bytes(4, '\0');
    for (int i = 0; i < 4; ++i) {
        bytes[static_cast<std::size_t>(i)] = static_cast<char>((value >> (8 * i)) & 0xFF);
    }
    return bytes;
}

std::string referenceRecord(const std::string& name) {
    return "DFNM" + le32(static_cast<std::uint32_t>(name.size())) + name;
}

// Deterministic filler that never holds a 'D', so no reference record appears in it by chance.
std::string filler(std::size_t size, std::uint32_t seed) {
    std::string bytes(size, '\0');
    for (char& byte : bytes) {
        seed = seed * 1664525U + 1013904223U;
        const auto value = static_cast<std::uint8_t>(seed >> 24);
        byte = static_cast<char>(value == 'D' ? 'E' : value);
    }
    return bytes;
}

// Text files of the game's platform end their lines in CR LF.
std::string crlfLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\r\n";
    }
    return text;
}

// An model configuration naming its mesh and textures in reference lines of the second form.
std::string bannerConfiguration() {
    return crlfLines({
        "SE_SMC 1;",
        "NAME \"Banner\";",
        "{",
        "  MESH TFNM \"Models\\Demo\\Banner\\Banner.bm\";",
        "  TEXTURES",
        "  {",
        "    TFNM \"Models\\Demo\\Banner\\Banner.tex\";",
        "    TFNM \"Textures\\General\\Grass.tex\";",
        "  }",
        "}",
    });
}

// A message text naming its picture and voice in reference lines of the first form.
std::string castleIntro() {
    return crlfLines({
        "CASTLE OF SHADOWS",
        "The gate is open. Bring a torch.",
        "TFNM Textures\\Demo\\Portrait.tex",
        "TFNM Sounds\\Demo\\Voice.wav",
    });
}

std::string sound(std::size_t size, std::uint32_t seed) {
    return "RIFF" + le32(static_cast<std::uint32_t>(size + 4)) + "WAVEfmt " + filler(size, seed);
}

std::string oggStream(std::size_t size, std::uint32_t seed) {
    return "OggS" + filler(size, seed);
}

std::string mp3Stream(std::size_t size, std::uint32_t seed) {
    return "ID3\x03" + filler(size, seed);
}

std::string model(std::uint32_t seed) {
    return "MDAT" + le32(3) + filler(2048, seed);
}

} // namespace

std::string demoFiller(std::size_t size, std::uint32_t seed) {
    return filler(size, seed);
}

std::string demoWorld(const std::vector<std::string>& references, std::size_t padding) {
    std::string bytes = "BUIV";
    bytes += static_cast<char>(16);
    bytes += static_cast<char>(39);
    bytes += std::string(2, '\0');
    bytes += "DICT" + le32(static_cast<std::uint32_t>(references.size()));
    for (const std::string& name : references) {
        bytes += referenceRecord(name);
    }
    bytes += "DIEN";
    bytes += "WRLD" + filler(padding, static_cast<std::uint32_t>(references.size() * 7919U));
    return bytes + "WEND";
}

// A texture as the game's tools write it (version 4, one RGB frame): tiles of a colour of its own, so that
// previews tell the demo's textures apart.
std::string demoTexture(int side, const std::string& tailReference) {
    const auto size = static_cast<std::uint32_t>(side);
    std::string bytes = "TVER" + le32(4) + "TDAT" + le32(0) + le32(size) + le32(size) + le32(1) + le32(0) + le32(1);
    bytes += "FRMS";
    const int tile = std::max(side / 4, 2);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const bool joint = y % tile == 0 || (x + (y / tile % 2) * tile / 2) % tile == 0;
            const int shade = joint ? 60 : 150 + (x * 7 + y * 13) % 40;
            for (const int weight : {side * 3 % 5 + 3, side % 4 + 3, side * 7 % 3 + 2}) {
                // Never a 'D': no reference record can appear in the picture by chance.
                const int value = std::min(255, shade * weight / 5);
                bytes.push_back(static_cast<char>(value == 'D' ? value + 1 : value));
            }
        }
    }
    bytes += "ANIMADAT" + le32(0);
    if (!tailReference.empty()) {
        // The texture's source picture is recorded at its end, within the last 128 bytes.
        bytes += referenceRecord(tailReference);
    }
    return bytes;
}

std::vector<DemoFile> demoLooseFiles() {
    return {
        {"Bin\\SeriousSam.exe", "MZ" + filler(510, 1)},
        // The Second Encounter's suffix for entity libraries: a class's Bin\\X.dll loads as Bin\\XMP.dll.
        {"ModExt.txt", "MP"},
        {"Levels\\DemoCastle.wld",
         demoWorld({"Textures\\General\\Grass.tex", "Textures\\Demo\\CastleWall.tex", "Textures\\Demo\\CASTLEFLOOR.tex",
                    "Models\\Demo\\Banner\\Banner.smc", "Models\\Items\\Health\\Small.mdl", "Sounds\\Demo\\Torch.ogg",
                    "Music\\Demo\\Theme.mp3", "Data\\Demo\\CastleIntro.txt"},
                   60000)},
        {"Levels\\DemoCastleTbn.tex", demoTexture(32, "")},
        {"Levels\\DemoCastle.vis", "VISI" + filler(900, 2)},
        {"Levels\\DemoCanyon.wld",
         demoWorld({"Textures\\Demo\\CastleWall.tex", "Textures\\General\\Rock.tex", "Textures\\Extra\\lava.TEX",
                    "Textures\\Demo\\CanyonRock.tex", "Sounds\\Ambient\\Wind.ogg", kDemoMissingFile,
                    "Models\\Demo\\Banner\\Banner.smc"},
                   3000)},
        {"Levels\\DemoCanyon.tbn", "TBN " + filler(600, 3)},
        {"Levels\\DemoCanyon.vis", "VISI" + filler(400, 4)},
        {"Textures\\Demo\\CastleWall.tex", demoTexture(64, "Textures\\Demo\\CastleWallDetail.tex")},
        {"Textures\\Demo\\CastleWallDetail.tex", demoTexture(16, "")},
        {"Textures\\Demo\\CastleFloor.tex", demoTexture(48, "")},
        {"Textures\\Demo\\CanyonRock.tex", demoTexture(40, "")},
        {"Textures\\Demo\\Portrait.tex", demoTexture(24, "")},
        {"Models\\Demo\\Banner\\Banner.smc", bannerConfiguration()},
        {"Models\\Demo\\Banner\\Banner.bm", model(5)},
        {"Models\\Demo\\Banner\\Banner.tex", demoTexture(32, "")},
        {"Sounds\\Demo\\Torch.ogg", oggStream(8000, 6)},
        {"Sounds\\Demo\\Voice.wav", sound(6000, 7)},
        {"Music\\Demo\\Theme.mp3", mp3Stream(12000, 8)},
        {"Data\\Demo\\CastleIntro.txt", castleIntro()},
    };
}

std::vector<DemoArchive> demoStandardArchives() {
    return {
        {"SE1_00.gro",
         {
             {"Textures\\General\\Grass.tex", demoTexture(32, "")},
             {"Textures\\General\\Rock.tex", demoTexture(32, "")},
             {"Models\\Items\\Health\\Small.mdl", model(9)},
             {"Models\\Items\\Health\\Small.tex", demoTexture(16, "")},
             {"Sounds\\Items\\Health.wav", sound(3000, 10)},
             {"Data\\Messages\\Welcome.txt", crlfLines({"Welcome to Serious Sam.", "TFNM Textures\\Logo.tex"})},
         }},
        {"SE1_00_Extra.gro",
         {
             {"Textures\\Extra\\Lava.tex", demoTexture(32, "")},
             {"Sounds\\Ambient\\Wind.ogg", oggStream(4000, 11)},
             {"Fonts\\Display.fnt", "FONT" + filler(700, 12)},
         }},
    };
}

} // namespace korvane::cli
