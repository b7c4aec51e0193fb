// The deep scan: chains the usual three levels miss, found depth-first, with the usual walk kept
// unchanged when the option is off.
#include "scan/EntityLibrary.h"
#include "scan/TextReferences.h"

#include "GameBytes.h"
#include "ScannerFixture.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

using Names = std::vector<std::string>;
using testing::dfnm;
using testing::zeros;

class DeepScanTest : public testing::CollectionFixture {
protected:
    // A texture whose names sit at its start, out of reach of the usual 128-byte tail scan.
    void texture(const std::string& path, const std::string& records) { install.write(path, records + zeros(200)); }
};

std::vector<std::string> texts(const std::vector<std::string_view>& views) {
    return {views.begin(), views.end()};
}

TEST(TextReferencesTest, BothFormsIncludesAndTheUsualTextRules) {
    const std::string text = "Package: TFNM Bin\\X.dll  \r\n"
                             "  MESH TFNM \"Models\\A.bm\";\n"
                             "TEXTURES { \"Diffuse\" TFNM \"T\\a.tex\"; \"Bump\" TFNM \"T\\b.tex\"; }\n"
                             "#INCLUDE \"Models\\Part.smc\"\n"
                             "#include TFNM \"Models\\Other.smc\";\n"
                             "tfnm lower-case is no marker\n"
                             "NAME TFNM \"unclosed.tex\";\n"
                             "TFNM \n";
    EXPECT_EQ(texts(textReferences(text, true)), (Names{"Bin\\X.dll", "Models\\A.bm", "T\\a.tex", "T\\b.tex",
                                                        "Models\\Part.smc", "Models\\Other.smc", "unclosed.tex"}));
    // Without includes (text files other than model configurations) "#INCLUDE" names nothing by itself.
    EXPECT_EQ(texts(textReferences("#INCLUDE \"a.smc\"\nTFNM b.tex", false)), Names{"b.tex"});
    // The text ends at its first NUL byte, as in the usual text scan.
    EXPECT_EQ(texts(textReferences(std::string("TFNM a.tex\n") + '\0' + "TFNM b.tex", false)), Names{"a.tex"});
}

TEST_F(DeepScanTest, ChainsThroughModelsFontsAndFourTextureLevels) {
    install.write("Levels/A.wld", dfnm("Models\\M.mdl") + dfnm("Fonts\\F.fnt") + dfnm("T\\1.tex") + dfnm("a.wav"));
    install.write("Models/M.mdl", dfnm("Models\\Skin.tex") + zeros(300));
    texture("Models/Skin.tex", "");
    install.write("Fonts/F.fnt", dfnm("Fonts\\F.tex") + zeros(300));
    texture("Fonts/F.tex", "");
    texture("T/1.tex", dfnm("T\\2.tex"));
    texture("T/2.tex", dfnm("T\\3.tex"));
    texture("T/3.tex", dfnm("T\\4.tex"));
    texture("T/4.tex", "");
    install.write("a.wav", "");
    run({"Levels\\A.wld"}, true);
    EXPECT_EQ(files.names(), (Names{"Models\\M.mdl", "Models\\Skin.tex", "Fonts\\F.fnt", "Fonts\\F.tex", "T\\1.tex",
                                    "T\\2.tex", "T\\3.tex", "T\\4.tex", "a.wav", "Levels\\A.wld"}));
    EXPECT_TRUE(missing.empty());

    // Off: the usual walk, which reads a texture's tail only and never opens a model or a font.
    run({"Levels\\A.wld"}, false);
    EXPECT_EQ(files.names(), (Names{"Models\\M.mdl", "Fonts\\F.fnt", "T\\1.tex", "a.wav", "Levels\\A.wld"}));
}

TEST_F(DeepScanTest, ModelConfigurationIncludesMeshesAndShaders) {
    install.write("Levels/A.wld", dfnm("Models\\Body.smc"));
    install.write("Models/Body.smc",
                  "NAME \"Body\";\r\n{\r\n  #INCLUDE \"Models\\Head.smc\"\r\n"
                  "  MESH TFNM \"Models\\Body.bm\";\r\n  ANIMSET TFNM \"Models\\Body.aa\";\r\n}\r\n");
    install.write("Models/Head.smc", "  MESH TFNM \"Models\\Head.bm\";\r\n  SKELETON TFNM \"Models\\Head.as\";\r\n");
    install.write("Models/Head.bm", zeros(10) + dfnm("Shaders\\Skin.sha") + zeros(10));
    install.write("Shaders/Skin.sha", "Package: TFNM Bin\\Shaders.dll\r\nName: Skin\r\n");
    install.write("Models/Body.bm", "");
    run({"Levels\\A.wld"}, true);
    // The tools' source assets (.am, .as, .aa) are neither listed nor reported.
    EXPECT_EQ(files.names(), (Names{"Models\\Body.smc", "Models\\Head.smc", "Models\\Head.bm", "Shaders\\Skin.sha",
                                    "Bin\\Shaders.dll", "Models\\Body.bm", "Levels\\A.wld"}));
    EXPECT_EQ(missing.names(), Names{"Bin\\Shaders.dll"});

    // Off: the usual walk cuts the .smc's quoted lines and follows nothing further.
    run({"Levels\\A.wld"}, false);
    EXPECT_EQ(files.names(), (Names{"Models\\Body.smc", "Models\\Body.bm", "Models\\Body.aa", "Levels\\A.wld"}));
    EXPECT_EQ(missing.names(), Names{"Models\\Body.aa"});
}

TEST_F(DeepScanTest, SoundTwinsStandInForMissingSounds) {
    install.write("Levels/A.wld",
                  dfnm("Music\\A.mp3") + dfnm("Music\\B.OGG") + dfnm("Music\\C.mp3") + dfnm("Music\\D.mp3"));
    install.write("Music/A.ogg", "");
    install.write("Music/B.MP3", "");
    standard.append("Music\\D.ogg");
    run({"Levels\\A.wld"}, true);
    // D's twin is stock content: nothing to pack and nothing missing. C has no twin at all.
    EXPECT_EQ(files.names(), (Names{"Music\\A.ogg", "Music\\B.MP3", "Music\\C.mp3", "Levels\\A.wld"}));
    EXPECT_EQ(missing.names(), Names{"Music\\C.mp3"});
}

TEST_F(DeepScanTest, LoopsEndAndEachFileIsListedOnce) {
    install.write("Levels/A.wld", dfnm("a.smc") + dfnm("x.tex") + dfnm("A.SMC"));
    install.write("a.smc", "#INCLUDE \"b.smc\"\n");
    install.write("b.smc", "#INCLUDE \"a.smc\"\n#INCLUDE \"b.smc\"\n");
    texture("x.tex", dfnm("y.tex"));
    texture("y.tex", dfnm("x.tex") + dfnm("Levels\\A.wld"));
    run({"Levels\\A.wld"}, true);
    EXPECT_EQ(files.names(), (Names{"a.smc", "b.smc", "x.tex", "y.tex", "Levels\\A.wld"}));
}

TEST_F(DeepScanTest, ALongChainNeitherOverflowsNorHoldsFilesOpen) {
    constexpr int kLength = 1000;
    install.write("Levels/A.wld", dfnm("T\\0.tex"));
    Names expected;
    for (int i = 0; i < kLength; ++i) {
        const std::string name = "T\\" + std::to_string(i) + ".tex";
        expected.push_back(name);
        install.write("T/" + std::to_string(i) + ".tex", dfnm("T\\" + std::to_string(i + 1) + ".tex"));
    }
    expected.push_back("T\\" + std::to_string(kLength) + ".tex");
    expected.push_back("Levels\\A.wld");
    run({"Levels\\A.wld"}, true);
    EXPECT_EQ(files.names(), expected);
    EXPECT_EQ(missing.names(), Names{"T\\" + std::to_string(kLength) + ".tex"});
}

TEST_F(DeepScanTest, StandardFilesStayUnreadAndNamesArriveAsUtf8) {
    install.write("Levels/A.wld", dfnm("Models\\Stock.mdl") + dfnm("list.txt"));
    install.write("Models/Stock.mdl", dfnm("Models\\Stock.tex"));
    install.write("list.txt", "TFNM \xC0\xE1.tex\r\n");
    standard.append("Models\\Stock.mdl");
    run({"Levels\\A.wld"}, true);
    EXPECT_EQ(files.names(), (Names{"list.txt", "\xD0\x90\xD0\xB1.tex", "Levels\\A.wld"}));
    EXPECT_EQ(missing.names(), (Names{"\xD0\x90\xD0\xB1.tex"}));
}

TEST(EntityLibraryTest, NamesAreBoundedTerminatedStringsAfterTheTag) {
    const std::string nul(1, '\0');
    const std::string longest(255, 'x');
    const std::string data = "EFNMModels\\A.mdl" + nul + "EFNM" + nul + "EFNMBad\x01.tex" + nul + "EFNM" + longest +
                             nul + "EFNMx" + longest + nul + "efnm" + "lower.tex" + nul + "EFNMSounds\\B.wav" + nul +
                             "EFNMTextures\\Cut.tex";
    Names names;
    forEachLibraryName(data, data.size(), [&names](std::string_view name) { names.emplace_back(name); });
    // Empty, control bytes, over-long, lower-case tag, and a string the data ends in before its NUL: no names.
    EXPECT_EQ(names, (Names{"Models\\A.mdl", longest, "Sounds\\B.wav"}));
}

TEST_F(DeepScanTest, EntityLibrariesGiveTheirResourcesToTheDeepScanOnly) {
    const std::string nul(1, '\0');
    install.write("Levels/A.wld", dfnm("Classes\\Beacon.ecl") + dfnm("Bin\\Hostile.dll"));
    install.write("Classes/Beacon.ecl", "Package: TFNM Bin\\Beacon.dll\r\n");
    // A name at the start, one across the first block's end, and one whose NUL is the library's last byte.
    install.write("Bin/Beacon.dll", testing::padTo("EFNMModels\\Beacon.mdl" + nul, 1022) + "EFNMSounds\\Hum.wav" + nul +
                                        zeros(50) + "EFNMModels\\Beacon.tex" + nul);
    install.write("Bin/Hostile.dll", "MZ" + zeros(10) + "EFNMTextures\\Cut.tex");
    install.write("Models/Beacon.mdl", dfnm("Models\\Skin.tex"));
    run({"Levels\\A.wld"}, true);
    EXPECT_EQ(files.names(), (Names{"Classes\\Beacon.ecl", "Bin\\Beacon.dll", "Models\\Beacon.mdl", "Models\\Skin.tex",
                                    "Sounds\\Hum.wav", "Models\\Beacon.tex", "Bin\\Hostile.dll", "Levels\\A.wld"}));
    EXPECT_EQ(missing.names(), (Names{"Models\\Skin.tex", "Sounds\\Hum.wav", "Models\\Beacon.tex"}));

    run({"Levels\\A.wld"}, false);
    EXPECT_EQ(files.names(), (Names{"Classes\\Beacon.ecl", "Bin\\Hostile.dll", "Levels\\A.wld"}));
}

TEST_F(DeepScanTest, AClassLoadsItsLibraryFromBinWithTheEditionsSuffixAShaderItsOwn) {
    const std::string nul(1, '\0');
    install.write("ModExt.txt", "MP\r");
    install.write("Levels/A.wld",
                  dfnm("Classes\\A.ecl") + dfnm("Classes\\B.ecl") + dfnm("Models\\M.bm") + dfnm("Classes\\C.ecl"));
    install.write("Classes/A.ecl", "Package: TFNM Bin\\Particles.dll\r\nClass: CA\r\n");
    install.write("Bin/ParticlesMP.dll", "MZEFNMModels\\Spark.mdl" + nul);
    install.write("Models/Spark.mdl", "");
    // The folder the class file writes is dropped; only the plain library is there.
    install.write("Classes/B.ecl", "Package: TFNM Mods\\X\\Bin\\Beast.dll\r\n");
    install.write("Bin/Beast.dll", "MZ");
    install.write("Models/M.bm", dfnm("Shaders\\S.sha"));
    install.write("Shaders/S.sha", "Package: TFNM Mods\\X\\Bin\\Shaders.dll\r\n");
    install.write("Bin/Shaders.dll", "MZ");
    // A class already listed under the plain name of another's library leads to the same suffixed one.
    install.write("Classes/C.ecl", "Package: TFNM Bin\\Particles.dll\r\n");
    run({"Levels\\A.wld"}, true);
    EXPECT_EQ(files.names(), (Names{"Classes\\A.ecl", "Bin\\ParticlesMP.dll", "Models\\Spark.mdl", "Classes\\B.ecl",
                                    "Bin\\BeastMP.dll", "Models\\M.bm", "Shaders\\S.sha", "Bin\\Shaders.dll",
                                    "Classes\\C.ecl", "Levels\\A.wld"}));
    // The plain Bin\Beast.dll is there, but the game asks for the suffixed name: the line says so.
    EXPECT_EQ(missing.lines(), Names{"Bin\\BeastMP.dll  (the game asks for this name, Bin\\Beast.dll with the "
                                     "suffix \"MP\" of ModExt.txt; Bin\\Beast.dll, which is here, is not loaded)"});
}

} // namespace
} // namespace korvane
