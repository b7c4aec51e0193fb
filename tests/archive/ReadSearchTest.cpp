#include "ReadListing.h"
#include "ReadZipBuilder.h"
#include "archive/ZipEngine.h"
#include "archive/internal/UnicodePathField.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

using testing::buildZip;
using testing::FixtureEntry;
using Names = std::vector<std::string>;

class ReadSearch : public ::testing::Test {
protected:
    void open(const std::string& image) {
        engine.FileName = dir.write("a.gro", image).string();
        engine.OpenArchive(kOpenModeRead);
    }
    void open(const std::vector<FixtureEntry>& entries) { open(buildZip(entries)); }
    Names find(std::string_view mask, std::uint16_t attr = kSearchAttrFiles, std::string_view exclusion = "") {
        Names names;
        TZEArchiveItem item;
        for (bool found = engine.FindFirst(mask, item, attr, exclusion); found; found = engine.FindNext(item)) {
            names.push_back(item.StoredPath + "|" + item.FileName);
        }
        return names;
    }

    testing::TempDir dir;
    TZipEngine engine{"Archiver"};
};

TEST_F(ReadSearch, FolderEntriesAreSkippedByAttributeAndNamesSplitAtTheLastBackslash) {
    open({{"Models/", "", 16},
          {"Models/Player.mdl", "m"},
          {"Empty/", "", 32},
          {"Textures\\Wall.tex", "t"},
          {"Sounds/Step.WAV", "s"},
          {"Readme", "r"}});
    EXPECT_EQ(engine.GetFileCount(), 5);
    EXPECT_EQ(find("*.*"),
              (Names{"Models\\|Player.mdl", "|Empty", "Textures\\|Wall.tex", "Sounds\\|Step.WAV", "|Readme"}));
    EXPECT_EQ(find("*.*", kSearchAttrAll).front(), "|Models");
}

TEST_F(ReadSearch, DataThatFailsItsChecksumIsNotReadBack) {
    std::string image = buildZip({{"Textures/Wall.tex", "wall data"}});
    image.replace(image.find("wall data"), 4, "hall");
    open(image);
    TZEArchiveItem item;
    ASSERT_TRUE(engine.FindFirst("*.*", item, kSearchAttrFiles, ""));
    EXPECT_EQ(engine.ReadItemData(item, 100), std::nullopt);
}

TEST_F(ReadSearch, HiddenSystemAndVolumeBitsExcludeUnlessAskedFor) {
    open({{"a", "", 32 | 1}, {"b", "", 2}, {"c", "", 4}, {"d", "", 8}, {"e", "", 0x81A40000}});
    EXPECT_EQ(find("*.*", 47), (Names{"|a", "|b", "|c", "|d", "|e"}));
    EXPECT_EQ(find("*.*", 33), (Names{"|a", "|e"}));
    EXPECT_EQ(find("*.*", 0), (Names{"|a", "|e"}));
    EXPECT_EQ(find("*.*", 2), (Names{"|a", "|b", "|e"}));
}

TEST_F(ReadSearch, MasksMatchTheFullPathIgnoringCase) {
    open({{"Sounds/Step.WAV", "s"}, {"Textures/Wall.tex", "t"}, {"Textures/Old/Wall.TEX", "o"}, {"Readme", "r"}});
    EXPECT_EQ(find("*.wav"), (Names{"Sounds\\|Step.WAV"}));
    EXPECT_EQ(find("*.tex"), (Names{"Textures\\|Wall.tex", "Textures\\Old\\|Wall.TEX"}));
    EXPECT_EQ(find("textures\\wall.tex"), (Names{"Textures\\|Wall.tex"}));
    // A drive prefix is dropped; what follows it stays, leading separator and all.
    EXPECT_EQ(find("C:Textures\\*"), (Names{"Textures\\|Wall.tex", "Textures\\Old\\|Wall.TEX"}));
    EXPECT_EQ(find("C:\\Readme"), Names{});
    EXPECT_EQ(find("Wall.tex"), Names{});
    EXPECT_EQ(find("*.tex", kSearchAttrFiles, "*old*"), (Names{"Textures\\|Wall.tex"}));
    EXPECT_EQ(find("*", kSearchAttrFiles, "Readme"),
              (Names{"Sounds\\|Step.WAV", "Textures\\|Wall.tex", "Textures\\Old\\|Wall.TEX"}));
}

TEST_F(ReadSearch, ARecurseFreeSearchStaysInTheMasksFolder) {
    open({{"Top.txt", "1"}, {"Deep\\Inner.txt", "2"}});
    engine.Options.Recurse = false;
    // Folder parts are cut at '\' or ':', which stored names (with '/') never hold.
    EXPECT_EQ(find("*.txt"), (Names{"|Top.txt", "Deep\\|Inner.txt"}));
    EXPECT_EQ(find("x:*.txt"), (Names{"|Top.txt", "Deep\\|Inner.txt"}));
}

TEST_F(ReadSearch, RateIsPercentSavedAndNeverNegative) {
    std::vector<FixtureEntry> entries = {{"a", std::string(100, 'a')}, {"b", std::string(100, 'b')}};
    std::string image = buildZip(entries);
    // Shrink a's compressed size to 25 and grow b's to 150 in the directory.
    const std::size_t dir = image.size() - 22 - 2 * (46 + 1);
    testing::putU32(image, dir + 20, 25);
    testing::putU32(image, dir + 47 + 20, 150);
    open(image);
    TZEArchiveItem item;
    ASSERT_TRUE(engine.FindFirst("*.*", item, kSearchAttrFiles, ""));
    EXPECT_DOUBLE_EQ(item.CompressionRate, 75.0);
    ASSERT_TRUE(engine.FindNext(item));
    EXPECT_EQ(item.CompressionRate, 0.0);
}

TEST_F(ReadSearch, Zip64ExtraFieldSuppliesTheValuesWhoseFieldsHoldAllOnes) {
    std::string extra("\x01\x00\x10\x00", 4);
    extra += std::string("\x00\x00\x00\x00\x01\x00\x00\x00", 8); // uncompressed 2^32
    extra += std::string("\x05\x00\x00\x00\x00\x00\x00\x00", 8); // compressed 5
    std::vector<FixtureEntry> entries = {{"Big.bin", "12345"}};
    entries[0].extra = std::string("\x0A\x00\x04\x00", 4) + "abcd" + extra;
    std::string image = buildZip(entries);
    const std::size_t dir = image.size() - 22 - (46 + 7 + entries[0].extra.size());
    testing::putU32(image, dir + 20, 0xFFFFFFFF);
    testing::putU32(image, dir + 24, 0xFFFFFFFF);
    open(image);
    TZEArchiveItem item;
    ASSERT_TRUE(engine.FindFirst("*.*", item, kSearchAttrFiles, ""));
    EXPECT_EQ(item.UncompressedSize, std::int64_t{1} << 32);
    EXPECT_EQ(item.CompressedSize, 5);
}

TEST_F(ReadSearch, NamesArriveAsTextFromAValidUnicodePathFieldElseFromTheOemCodePage) {
    std::vector<FixtureEntry> entries = {{"\x8A\xA0\xE0\xE2\xA0.wld", "m"},
                                         {"Sounds/\xD0\x97\xD0\xB2\xD1\x83\xD0\xBA.wav", "s"},
                                         {"\xCB\xE5\xE2.wld", "ansi"}};
    entries[1].flags = 0x0800;
    // A field whose checksum belongs to other bytes is stale and ignored.
    entries[0].extra = unicodePathBlock("other bytes", "Wrong.wld");
    entries[2].extra = unicodePathBlock(entries[2].name, "Лев.wld");
    open(entries);
    EXPECT_EQ(find("*.*"), (Names{"|Карта.wld", "Sounds\\|Звук.wav", "|Лев.wld"}));
    EXPECT_EQ(find("карта.WLD"), (Names{"|Карта.wld"}));
    EXPECT_EQ(find("*/з?ук.*"), (Names{"Sounds\\|Звук.wav"}));
    // Only the last is stored as the ANSI bytes a map holds for its name.
    std::vector<bool> ansi;
    TZEArchiveItem item;
    for (bool found = engine.FindFirst("*.*", item, kSearchAttrFiles, ""); found; found = engine.FindNext(item)) {
        ansi.push_back(engine.NameStoredAsAnsi(item));
    }
    EXPECT_EQ(ansi, (std::vector<bool>{false, false, true}));
}

TEST_F(ReadSearch, OverlongMasksAreRefused) {
    open({{"a", "1"}});
    EXPECT_EQ(find(std::string(259, '*')), (Names{"|a"}));
    EXPECT_EQ(find(std::string(260, '*')), Names{});
    EXPECT_EQ(find(std::string(130, '?') + "*"), Names{});
}

TEST(ReadPattern, WildcardRule) {
    const auto match = &TZEBaseArchiver::IsStrMatchPattern;
    EXPECT_TRUE(match("Readme", "*.*"));
    EXPECT_TRUE(match("", "*.*"));
    EXPECT_TRUE(match("Textures/Wall.tex", "t?xtures?wall.*"));
    EXPECT_TRUE(match("ab", "a**"));
    EXPECT_TRUE(match("aab", "*a*b"));
    EXPECT_FALSE(match("a", "a**")); // two stars at the end need a character
    EXPECT_FALSE(match("", "**"));
    EXPECT_FALSE(match("a", "a?"));
    EXPECT_TRUE(match("ÄÖÜ/straße", "äöü?STRASSE"));
    // Many stars against a long name stay fast.
    EXPECT_FALSE(match(std::string(256, 'a'), std::string(100, '*') + "b"));
    EXPECT_FALSE(match(std::string(256, 'a'), "*a*a*a*a*a*a*a*a*a*a*a*a*a*a*a*a*a*a*a*a*a*a*b"));
}

} // namespace
} // namespace korvane
