#include "scan/ReferenceRecords.h"

#include "GameBytes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace korvane {
namespace {

using testing::dfnm;
using testing::padTo;
using testing::zeros;

std::vector<std::string> blockNames(std::string_view data, std::size_t blockLength) {
    std::vector<std::string> names;
    forEachBlockRecord(data, blockLength, [&names](std::string_view name) { names.emplace_back(name); });
    return names;
}

std::vector<std::string> linesOf(std::string_view text) {
    std::vector<std::string> lines;
    forEachLine(text, [&lines](std::string_view line) { lines.emplace_back(line); });
    return lines;
}

using Names = std::vector<std::string>;

TEST(ReferenceRecords, LengthUsesOnlyItsLowByte) {
    const std::string longName(300, 'a');
    // 300 = 0x12C: the name is read as its first 44 bytes, the rest is plain data.
    EXPECT_EQ(blockNames(dfnm(longName, 300), 1024), Names{std::string(44, 'a')});
    EXPECT_EQ(blockNames(dfnm("abc", 0x01000003), 1024), Names{"abc"});
}

TEST(ReferenceRecords, MarkerIsCaseSensitiveAndEmptyOrCutRecordsYieldNothing) {
    std::string data = "dfnm" + dfnm("x").substr(4) + "DfNM" + dfnm("y").substr(4) + "dFNM" + dfnm("z").substr(4);
    EXPECT_TRUE(blockNames(data, data.size()).empty());
    EXPECT_TRUE(blockNames(dfnm("", 0) + "abc", 1024).empty());
    // Cut short by the end: marker, length byte, or name bytes missing.
    EXPECT_TRUE(blockNames("DFN", 1024).empty());
    EXPECT_TRUE(blockNames("DFNM", 1024).empty());
    EXPECT_TRUE(blockNames(dfnm("abcdef").substr(0, 13), 1024).empty());
    EXPECT_EQ(blockNames(dfnm("abcdef"), 1024), Names{"abcdef"});
}

TEST(ReferenceRecords, OnlyTheDNeedsToLieInsideTheBlock) {
    const std::string data = padTo("", 1021) + dfnm("Textures\\Wall.tex") + padTo("", 40);
    EXPECT_EQ(blockNames(data, 1024), Names{"Textures\\Wall.tex"});
    EXPECT_TRUE(blockNames(data, 1021).empty());
    EXPECT_TRUE(blockNames(std::string_view(data).substr(1024), 1024).empty());
}

TEST(ReferenceRecords, BytesInsideANameAreScannedAgainInOrder) {
    // The outer name carries a whole record of its own.
    const std::string inner = dfnm("in.tex");
    const std::string data = dfnm("ab" + inner) + zeros(3) + dfnm("last.wav");
    EXPECT_EQ(blockNames(data, data.size()), (Names{"ab" + inner, "in.tex", "last.wav"}));
}

TEST(ReferenceRecords, TextLinesBreakAtCrLfAndCrLfPairs) {
    EXPECT_EQ(linesOf("a\rb\nc\r\nd"), (Names{"a", "b", "c", "d"}));
    EXPECT_EQ(linesOf("a\r\n"), Names{"a"});
    EXPECT_EQ(linesOf("a\n\nb\r\r\nc"), (Names{"a", "", "b", "", "c"}));
    EXPECT_EQ(linesOf("\n"), Names{""});
    EXPECT_TRUE(linesOf("").empty());
    // CR LF is one break, LF CR two.
    EXPECT_EQ(linesOf("a\n\rb"), (Names{"a", "", "b"}));
}

TEST(ReferenceRecords, TextStopsAtTheFirstNul) {
    EXPECT_EQ(textBeforeNul(std::string_view("TFNM a.tex\0TFNM b.tex", 21)), "TFNM a.tex");
    EXPECT_EQ(textBeforeNul("no nul"), "no nul");
}

TEST(ReferenceRecords, VariantOneTakesTheRestOfTheLine) {
    EXPECT_EQ(cutReferenceLine("TFNM Models\\Foo.tex", LineCut::AfterMarker), "Models\\Foo.tex");
    EXPECT_EQ(cutReferenceLine("Package: TFNM Bin\\X.dll", LineCut::AfterMarker), "Bin\\X.dll");
    // Not trimmed: the name is whatever follows the one skipped character.
    EXPECT_EQ(cutReferenceLine("TFNM  a.tex ", LineCut::AfterMarker), " a.tex ");
    EXPECT_EQ(cutReferenceLine("TFNM a.tex TFNM b.tex", LineCut::AfterMarker), "a.tex TFNM b.tex");
    EXPECT_EQ(cutReferenceLine("tfnm a.tex", LineCut::AfterMarker), "");
    EXPECT_EQ(cutReferenceLine("TFNM ", LineCut::AfterMarker), "");
    EXPECT_EQ(cutReferenceLine("xTFNM", LineCut::AfterMarker), "");
}

TEST(ReferenceRecords, VariantTwoDropsTheQuotesAndSemicolon) {
    EXPECT_EQ(cutReferenceLine("  MESH TFNM \"Models\\Foo.bm\";", LineCut::Quoted), "Models\\Foo.bm");
    EXPECT_EQ(cutReferenceLine("TFNM \"a\" TFNM \"b\";", LineCut::Quoted), "a\" TFNM \"b");
    EXPECT_EQ(cutReferenceLine("TFNM \"\";", LineCut::Quoted), "");
    EXPECT_EQ(cutReferenceLine("TFNM \"x", LineCut::Quoted), "");
    EXPECT_EQ(cutReferenceLine("TFNM", LineCut::Quoted), "");
    EXPECT_EQ(cutReferenceLine("TfNM \"a.bm\";", LineCut::Quoted), "");
}

} // namespace
} // namespace korvane
