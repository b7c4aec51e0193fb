#include "archive/ZipEngine.h"
#include "support/ExpectError.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

using testing::expectError;

TEST(ModelEngine, ACompressionModeAboveNineIsRefusedAndChangesNothing) {
    TZipEngine engine("Archiver");
    engine.SetCompressionMode(7);
    expectError<EZEException>([&] { engine.SetCompressionMode(10); },
                              "Archiver: Invalid compression mode. Mode must be in [0-9] range - Native error: 00005");
    EXPECT_EQ(engine.CompressionMode(), 7);
}

} // namespace
} // namespace korvane
