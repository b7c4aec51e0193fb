#include "CliFixture.h"

#include "cli/Console.h"

#include <cstdint>

namespace korvane::testing {

std::unique_ptr<TempDir> DemoInstallationTest::demo_;

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> CliRun::outLines() const {
    return splitLines(out);
}

CliRun korvane(const std::vector<std::string>& words) {
    std::ostringstream out;
    std::ostringstream err;
    cli::Console console{out, err, false};
    CliRun run;
    run.code = cli::runCommandLine(words, console);
    run.out = out.str();
    run.err = err.str();
    return run;
}

std::map<std::string, int> zipMethods(const std::filesystem::path& archive) {
    const std::string bytes = readFile(archive);
    const auto u16 = [&](std::size_t at) {
        return static_cast<int>(static_cast<std::uint8_t>(bytes.at(at)) | static_cast<std::uint8_t>(bytes.at(at + 1))
                                                                              << 8);
    };
    const auto u32 = [&](std::size_t at) {
        return static_cast<std::size_t>(u16(at)) | static_cast<std::size_t>(u16(at + 2)) << 16;
    };
    std::map<std::string, int> methods;
    const std::size_t end = bytes.rfind(std::string("PK\x05\x06", 4));
    if (end == std::string::npos) {
        return methods;
    }
    std::size_t at = u32(end + 16);
    for (int i = 0; i < u16(end + 10); ++i) {
        const std::size_t nameLength = u16(at + 28);
        methods[bytes.substr(at + 46, nameLength)] = u16(at + 10);
        at += 46 + nameLength + u16(at + 30) + u16(at + 32);
    }
    return methods;
}

void DemoInstallationTest::SetUpTestSuite() {
    demo_ = std::make_unique<TempDir>();
    const CliRun made = korvane({"demo", demo_->root() + "demo"});
    ASSERT_EQ(made.code, 0) << made.err;
}

void DemoInstallationTest::TearDownTestSuite() {
    demo_.reset();
}

const std::vector<std::string>& DemoInstallationTest::expectedFiles() {
    static const std::vector<std::string> files{
        // DemoCastle: its references depth-first, then the map, its thumbnail texture and visibility file.
        "Textures\\Demo\\CastleWall.tex",
        "Textures\\Demo\\CastleWallDetail.tex",
        "Textures\\Demo\\CASTLEFLOOR.tex",
        "Models\\Demo\\Banner\\Banner.smc",
        "Models\\Demo\\Banner\\Banner.bm",
        "Models\\Demo\\Banner\\Banner.tex",
        "Sounds\\Demo\\Torch.ogg",
        "Music\\Demo\\Theme.mp3",
        "Data\\Demo\\CastleIntro.txt",
        "Textures\\Demo\\Portrait.tex",
        "Sounds\\Demo\\Voice.wav",
        "Levels\\DemoCastle.wld",
        "Levels\\DemoCastleTbn.tex",
        "Levels\\DemoCastle.vis",
        // DemoCanyon: the shared wall and banner are listed once, under the castle.
        "Textures\\Demo\\CanyonRock.tex",
        "Sounds\\Demo\\Drip.wav",
        "Levels\\DemoCanyon.wld",
        "Levels\\DemoCanyon.tbn",
        "Levels\\DemoCanyon.vis",
    };
    return files;
}

} // namespace korvane::testing
