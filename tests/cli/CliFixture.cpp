#include "CliFixture.h"

#include "cli/Console.h"

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
