#include "archive/ZEException.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

TEST(ModelException, NameAndNumbersFrameTheTemplate) {
    EXPECT_STREQ(EZEException(48, "").what(), "Archive is damaged. Open failed - Native error: 00048");
    EXPECT_STREQ(EZEException(0, "Zip").what(), "Zip: Unknown error - Native error: 00000");
    const EZEException outside(99, "Archiver");
    EXPECT_STREQ(outside.what(), "Archiver: Unknown error - Native error: 00099");
    EXPECT_EQ(outside.ErrorCode(), 0);
    EXPECT_EQ(outside.NativeError(), 99);
    // A file name carrying a percent sign is not taken for a format.
    EXPECT_STREQ(EZEException(33, "A", "/x/%s%d.tex").what(),
                 "A: Cannot open file \"/x/%s%d.tex\" - Native error: 00033");
    EXPECT_STREQ(EZEException(34, "A", -1, 0).what(),
                 "A: Invalid compressed size, rfs.size = -1, count = 0 - Native error: 00034");
}

} // namespace
} // namespace korvane
