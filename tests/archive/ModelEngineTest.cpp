#include "archive/ZipEngine.h"
#include "support/ExpectError.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

using testing::expectError;

TEST(ModelEngine, CompressionModeAndLevelAreTwoViewsOfOneSetting) {
    TZipEngine engine("Archiver");
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
    // Above nine is refused and changes nothing.
    engine.SetCompressionMode(7);
    const auto error = expectError<EZEException>(
        [&] { engine.SetCompressionMode(10); },
        "Archiver: Invalid compression mode. Mode must be in [0-9] range - Native error: 00005");
    EXPECT_EQ(error->ErrorCode(), 2);
    EXPECT_EQ(engine.CompressionMode(), 7);
    EXPECT_EQ(engine.CompressionLevel(), clMax);
}

TEST(ModelEngine, WithoutAnOpenArchiveClosingDoesNothingCountingIsError13AndSearchingFindsNothing) {
    TZipEngine engine("Archiver");
    EXPECT_NO_THROW(engine.CloseArchive());
    EXPECT_FALSE(engine.Active());
    const auto error = expectError<EZEException>([&] { engine.GetFileCount(); },
                                                 "Archiver: Archive is not open - Native error: 00013");
    EXPECT_EQ(error->ErrorCode(), 7);
    TZipEngine unnamed;
    expectError<EZEException>([&] { unnamed.GetFileCount(); }, "Archive is not open - Native error: 00013");
    TZEArchiveItem item;
    EXPECT_FALSE(engine.FindFirst("*.*", item, kSearchAttrFiles, ""));
    EXPECT_FALSE(engine.FindNext(item));
}

} // namespace
} // namespace korvane
