#include "archive/internal/ZipRecords.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

TEST(ModelRecords, ReadingPastTheEndFailsSoftlyAndStaysFailed) {
    const std::string bytes = "PK\x05\x06\x01";
    ByteReader in(bytes);
    EXPECT_EQ(in.u32(), kEndOfCentralDirSignature);
    EXPECT_EQ(in.u16(), 0); // one byte left: nothing read
    EXPECT_FALSE(in.ok());
    EXPECT_EQ(in.u8(), 0); // even what would fit is refused once failed
    EXPECT_EQ(in.bytes(0), "");
    EXPECT_EQ(in.position(), 4u);

    ByteReader huge(bytes);
    EXPECT_EQ(huge.bytes(std::string::npos), "");
    EXPECT_FALSE(huge.ok());
    const TZEZipCentralDirEnd partial = readCentralDirEnd(huge);
    EXPECT_EQ(partial.Signature, 0u);
}

} // namespace
} // namespace korvane
