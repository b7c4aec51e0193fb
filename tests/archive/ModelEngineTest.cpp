#include "archive/ZipEngine.h"
#include "support/ExpectError.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

using testing::expectError;

TEST(ModelEngine, ACompressionModeAboveNineIsRefusedAndChangesNothing) {
    TZipEngine engine("Archiver");
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
