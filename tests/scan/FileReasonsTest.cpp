// Why each file is listed: the chain back to a map through the files that first named it.
#include "GameBytes.h"
#include "ScannerFixture.h"

namespace korvane {
namespace {

using Names = std::vector<std::string>;
using testing::dfnm;

class FileReasonsTest : public testing::CollectionFixture {
protected:
    Names chainOf(const std::string& name) const {
        Names names;
        for (const FileReasons::Link& link : reasons.chain(name)) {
            names.push_back(link.name + ":" + ruleWord(link.rule));
        }
        return names;
    }
};

TEST_F(FileReasonsTest, DeepChainsCompanionsTwinsAndMissingFilesLeadBackToTheirMap) {
    install.write("Levels/A.wld", dfnm("Classes\\Beacon.ecl") + dfnm("Textures\\Wall.tex") + dfnm("Music\\T.mp3"));
    install.write("Levels/B.wld", dfnm("Textures\\Wall.tex") + dfnm("Textures\\Door.tex"));
    install.write("Classes/Beacon.ecl", "Package: TFNM Bin\\Beacon.dll\r\n");
    install.write("Bin/Beacon.dll", "MZ" + std::string(10, '\0') + "EFNMModels\\Beacon.mdl" + std::string(1, '\0'));
    install.write("Textures/Wall.tex", "");
    install.write("Music/T.ogg", "");
    install.write("Levels/ATbn.tex", "");
    install.write("Levels/B.vis", "");
    run({"Levels\\A.wld", "levels\\b.wld"}, true);
    EXPECT_EQ(chainOf("Models\\Beacon.mdl"), (Names{"Levels\\A.wld:map", "Classes\\Beacon.ecl:named",
                                                    "Bin\\Beacon.dll:named", "Models\\Beacon.mdl:named"}));
    // A file two maps name is there for the first; companions and sound twins carry their rule.
    EXPECT_EQ(chainOf("TEXTURES\\WALL.TEX"), (Names{"Levels\\A.wld:map", "Textures\\Wall.tex:named"}));
    EXPECT_EQ(chainOf("Music\\T.ogg"), (Names{"Levels\\A.wld:map", "Music\\T.ogg:sound-twin"}));
    EXPECT_EQ(chainOf("Levels\\ATbn.tex"), (Names{"Levels\\A.wld:map", "Levels\\ATbn.tex:thumbnail-texture"}));
    EXPECT_EQ(chainOf("levels\\b.vis"), (Names{"levels\\b.wld:map", "levels\\b.vis:visibility"}));
    EXPECT_EQ(chainText(reasons, "Bin\\Beacon.dll"),
              "Levels\\A.wld\n\u2192 Classes\\Beacon.ecl\n\u2192 Bin\\Beacon.dll");
    EXPECT_EQ(chainText(reasons, "Sounds\\ByHand.wav"), "added by hand");
    EXPECT_EQ(missing.lines(&reasons),
              (Names{"Models\\Beacon.mdl  (needed by Levels\\A.wld \u2192 Classes\\Beacon.ecl \u2192 Bin\\Beacon.dll)",
                     "Textures\\Door.tex  (needed by levels\\b.wld)"}));

    // The plain walk records its one level too, and a watched name hears of every file that names it.
    reasons.watch("textures\\wall.tex");
    CollectionLists lists{root, files, standard, missing};
    lists.Reasons = &reasons;
    files.clear();
    collectDependencies(lists, {"Levels\\A.wld", "Levels\\B.wld"}, progress);
    EXPECT_EQ(reasons.watchedNamers(), (Names{"Levels\\A.wld", "Levels\\B.wld"}));
}

} // namespace
} // namespace korvane
