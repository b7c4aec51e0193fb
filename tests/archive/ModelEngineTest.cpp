#include "archive/ZipEngine.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

TEST(ModelEngine, StartsWithTheValuesEveryWindowInstanceHas) {
    TZipEngine engine("Archiver");
    EXPECT_EQ(engine.Name, "Archiver");
    EXPECT_EQ(engine.CompressionLevel(), clFastest);
    EXPECT_EQ(engine.CompressionMode(), 1);
    EXPECT_EQ(engine.CompMethod(), 8);
    EXPECT_EQ(engine.Zip64Mode, zmDisabled);
    EXPECT_EQ(engine.SpanningMode, smNone);
    EXPECT_FALSE(engine.InMemory);
    EXPECT_FALSE(engine.OpenCorruptedArchives);
    EXPECT_FALSE(engine.ExtractCorruptedFiles);
    EXPECT_TRUE(engine.Password.empty());
    EXPECT_TRUE(engine.SFXStub.empty());
    EXPECT_TRUE(engine.BaseDir.empty());
    EXPECT_TRUE(engine.TempDir.empty());
    EXPECT_FALSE(engine.Active());
    EXPECT_EQ(engine.UpdateCount(), 0);
    EXPECT_EQ(engine.DirManager(), nullptr);

    const TZEOptions& o = engine.Options;
    EXPECT_TRUE(o.Recurse);
    EXPECT_EQ(o.StorePath, spRelativePath);
    EXPECT_EQ(o.ShareMode, smShareDenyNone);
    EXPECT_EQ(o.OverwriteMode, omAlways);
    EXPECT_TRUE(o.CreateDirs && o.ReplaceReadOnly && o.SetAttributes && o.FlushBuffers);
    EXPECT_EQ(o.SearchAttr, 63);
}

TEST(ModelEngine, CompressionModeAndLevelAreTwoViewsOfOneSetting) {
    TZipEngine engine;
    struct Case {
        std::uint8_t mode;
        TZECompressionLevel level;
        std::uint16_t method;
    };
    for (const Case c : {Case{0, clNone, 0}, Case{1, clFastest, 8}, Case{3, clFastest, 8}, Case{4, clNormal, 8},
                         Case{6, clNormal, 8}, Case{7, clMax, 8}, Case{9, clMax, 8}}) {
        engine.SetCompressionMode(c.mode);
        EXPECT_EQ(engine.CompressionMode(), c.mode);
        EXPECT_EQ(engine.CompressionLevel(), c.level) << int(c.mode);
        EXPECT_EQ(engine.CompMethod(), c.method) << int(c.mode);
    }
    const std::pair<TZECompressionLevel, int> levels[] = {{clNone, 0}, {clFastest, 1}, {clNormal, 6}, {clMax, 9}};
    for (const auto& [level, mode] : levels) {
        engine.SetCompressionLevel(level);
        EXPECT_EQ(engine.CompressionMode(), mode);
        EXPECT_EQ(engine.CompMethod(), mode == 0 ? 0 : 8);
    }
}

TEST(ModelEngine, CompressionModeAboveNineIsRefusedAndChangesNothing) {
    TZipEngine engine("Archiver");
    engine.SetCompressionMode(7);
    try {
        engine.SetCompressionMode(10);
        FAIL() << "no error";
    } catch (const EZEException& e) {
        EXPECT_STREQ(e.what(), "Archiver: Invalid compression mode. Mode must be in [0-9] range - Native error: 00005");
        EXPECT_EQ(e.NativeError(), 5);
        EXPECT_EQ(e.ErrorCode(), 2);
    }
    EXPECT_EQ(engine.CompressionMode(), 7);
    EXPECT_EQ(engine.CompressionLevel(), clMax);
    EXPECT_THROW(engine.SetCompressionMode(255), EZEException);
}

TEST(ModelEngine, BlockSizeFollowsTheMode) {
    EXPECT_EQ(compressionBlockSize(0), 1048576u);
    EXPECT_EQ(compressionBlockSize(1), 524288u);
    EXPECT_EQ(compressionBlockSize(3), 524288u);
    EXPECT_EQ(compressionBlockSize(4), 1048576u);
    EXPECT_EQ(compressionBlockSize(6), 1048576u);
    EXPECT_EQ(compressionBlockSize(7), 1572864u);
    EXPECT_EQ(compressionBlockSize(9), 1572864u);
}

TEST(ModelEngine, ShareModesMapToTheFileOpenFlags) {
    EXPECT_EQ(ShareModeToInt(smShareCompat), 0u);
    EXPECT_EQ(ShareModeToInt(smShareExclusive), 16u);
    EXPECT_EQ(ShareModeToInt(smShareDenyWrite), 32u);
    EXPECT_EQ(ShareModeToInt(smShareDenyRead), 48u);
    EXPECT_EQ(ShareModeToInt(smShareDenyNone), 64u);
    EXPECT_FALSE(openModeAllowsUpdates(0));
    EXPECT_FALSE(openModeAllowsUpdates(64));
    EXPECT_TRUE(openModeAllowsUpdates(34));
    EXPECT_TRUE(openModeAllowsUpdates(kOpenModeCreate));
}

TEST(ModelEngine, ClosingWhatWasNeverOpenedDoesNothing) {
    TZipEngine engine;
    EXPECT_NO_THROW(engine.CloseArchive());
    EXPECT_NO_THROW(engine.CloseArchive());
    EXPECT_FALSE(engine.Active());
}

TEST(ModelEngine, CountingWithoutAnOpenArchiveIsError13) {
    TZipEngine engine("Archiver");
    try {
        engine.GetFileCount();
        FAIL() << "no error";
    } catch (const EZEException& e) {
        EXPECT_STREQ(e.what(), "Archiver: Archive is not open - Native error: 00013");
        EXPECT_EQ(e.ErrorCode(), 7);
    }
    TZipEngine unnamed;
    try {
        unnamed.GetFileCount();
        FAIL() << "no error";
    } catch (const EZEException& e) {
        EXPECT_STREQ(e.what(), "Archive is not open - Native error: 00013");
    }
}

TEST(ModelEngine, SearchingWithoutAnOpenArchiveFindsNothing) {
    TZipEngine engine;
    TZEArchiveItem item;
    EXPECT_FALSE(engine.FindFirst("*.*", item, kSearchAttrFiles, ""));
    EXPECT_FALSE(engine.FindNext(item));
}

} // namespace
} // namespace korvane
