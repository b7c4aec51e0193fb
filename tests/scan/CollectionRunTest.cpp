#include "scan/CollectionRun.h"

#include "GameBytes.h"
#include "ScannerFixture.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

using Names = std::vector<std::string>;
using testing::dfnm;
using testing::zeros;

using CollectionRunTest = testing::CollectionFixture;

TEST_F(CollectionRunTest, MapsShareFilesListedOnceBeforeTheFirstMapsOwnName) {
    install.write("Levels/A.wld", dfnm("T\\shared.tex") + dfnm("a.wav"));
    install.write("Levels/B.wld", dfnm("t\\SHARED.tex") + dfnm("b.wav") + dfnm("T\\gone.tex"));
    install.write("Levels/C.wld", dfnm("T\\gone.tex"));
    install.write("T/shared.tex", zeros(128));
    install.write("a.wav", "");
    install.write("b.wav", "");
    run({"Levels\\A.wld", "Levels\\B.wld", "Levels\\C.wld"});
    EXPECT_EQ(files.names(), (Names{"T\\shared.tex", "a.wav", "Levels\\A.wld", "b.wav", "T\\gone.tex", "Levels\\B.wld",
                                    "Levels\\C.wld"}));
    EXPECT_EQ(missing.names(), Names{"T\\gone.tex"});
    EXPECT_EQ(files.checkedCount(), files.size());
    EXPECT_TRUE(dialogs.shown.empty());
}

// Four letters and a 32-bit length, as the world file's chunks are laid out.
std::string chunk(std::string_view id, const std::string& body) {
    return std::string(id) + testing::dfnm(body).substr(4);
}

TEST_F(CollectionRunTest, RevolutionSpellingsAreStandardAndNamesTakeTheGamesSeparators) {
    // A Revolution world: the usual chunks, with its own after the world info; the dictionary comes last.
    const std::string names = dfnm("ModelsMP\\Enemies\\Guffy\\Guffy.mdl") + dfnm("Textures\\Sky Blue.tex") +
                              dfnm("/Textures//Own.tex") + dfnm("\\SoundsMP\\Own.wav") + dfnm("Data/Own Text.txt") +
                              dfnm("//");
    install.write("Levels/Rev.wld", "BUIV" + zeros(4) + "WRLD" + chunk("WLIF", "Revolution map") +
                                        chunk("LDRB", zeros(40)) + chunk("Plv0", zeros(12)) + chunk("SpGM", zeros(8)) +
                                        "DICT" + zeros(4) + names + "DEND" + "WEND");
    for (const char* own : {"Textures/Own.tex", "SoundsMP/Own.wav", "Data/Own Text.txt"}) {
        install.write(own, zeros(128));
    }
    standard.assign({"Models\\Enemies\\Guffy\\Guffy.mdl", "Textures\\Sky_Blue.tex", "Sounds\\Own.wav"}, true);
    // Without Revolution's archives the merged and underscored spellings mean nothing.
    run({"Levels\\Rev.wld"});
    EXPECT_EQ(files.names(),
              (Names{"ModelsMP\\Enemies\\Guffy\\Guffy.mdl", "Textures\\Sky Blue.tex", "Textures\\Own.tex",
                     "SoundsMP\\Own.wav", "Data\\Own Text.txt", "//", "Levels\\Rev.wld"}));
    install.write("All_01.gro", "");
    install.write("All_02.gro", "");
    run({"Levels\\Rev.wld"});
    EXPECT_EQ(files.names(), (Names{"Textures\\Own.tex", "Data\\Own Text.txt", "//", "Levels\\Rev.wld"}));
    EXPECT_EQ(missing.lines(), Names{"//  (not a name inside the game folder)"});
}

TEST_F(CollectionRunTest, CompanionsFollowTheMap) {
    install.write("Levels/Both.wld", "");
    install.write("Levels/BothTbn.tex", "");
    install.write("Levels/Both.tbn", "");
    install.write("Levels/Both.vis", "");
    install.write("Levels/Thumb.wld", "");
    install.write("Levels/Thumb.tbn", "");
    install.write("Levels/Std.wld", "");
    install.write("Levels/StdTbn.tex", "");
    install.write("Levels/Std.tbn", "");
    install.write("Levels/Std.vis", "");
    // A standard thumbnail texture is not listed, so the thumbnail stands in for it.
    standard.assign({"levels\\stdtbn.tex", "Levels\\Std.vis"}, true);
    run({"Levels\\Both.wld", "Levels\\Thumb.WLD", "Levels\\Std.wld", "Levels\\Bare.wld"});
    EXPECT_EQ(files.names(), (Names{"Levels\\Both.wld", "Levels\\BothTbn.tex", "Levels\\Both.vis", "Levels\\Thumb.WLD",
                                    "Levels\\Thumb.tbn", "Levels\\Std.wld", "Levels\\Std.tbn"}));
    EXPECT_EQ(dialogs.shown, Names{"File Levels\\Bare.wld does not exist."});
    EXPECT_TRUE(missing.empty());
}

TEST_F(CollectionRunTest, NamesAScanListedAlreadyAreNotListedTwice) {
    install.write("Levels/Self.wld",
                  dfnm("Levels\\SelfTbn.tex") + dfnm("levels\\self.WLD") + dfnm("Levels\\Other.wld"));
    install.write("Levels/SelfTbn.tex", zeros(128));
    install.write("Levels/Self.tbn", "");
    install.write("Levels/Other.wld", "");
    install.write("Levels/Other.vis", "");
    run({"Levels\\Self.wld", "Levels\\Other.wld"});
    EXPECT_EQ(files.names(),
              (Names{"Levels\\SelfTbn.tex", "levels\\self.WLD", "Levels\\Other.wld", "Levels\\Other.vis"}));
}

} // namespace
} // namespace korvane
