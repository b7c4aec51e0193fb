#include "archive/ZEException.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

TEST(ModelException, MessagesOfTheCodesTheProgramReaches) {
    const std::pair<EZEException, const char*> cases[] = {
        {EZEException(5, "Archiver"),
         "Archiver: Invalid compression mode. Mode must be in [0-9] range - Native error: 00005"},
        {EZEException(10, "Archiver"),
         "Archiver: File name is blank. Specify appropriate file name - Native error: 00010"},
        {EZEException(12, "Archiver", "/games/SE/SE1_00.gro"),
         "Archiver: File \"/games/SE/SE1_00.gro\" not found - Native error: 00012"},
        {EZEException(13, "Archiver"), "Archiver: Archive is not open - Native error: 00013"},
        {EZEException(32, "Archiver"), "Archiver: File is open in read-only mode - Native error: 00032"},
        {EZEException(33, "Archiver", "/games/SE/Textures/Wall.tex"),
         "Archiver: Cannot open file \"/games/SE/Textures/Wall.tex\" - Native error: 00033"},
        {EZEException(34, "Archiver", 1572864, 524288),
         "Archiver: Invalid compressed size, rfs.size = 1572864, count = 524288 - Native error: 00034"},
        {EZEException(35, "Archiver"), "Archiver: Invalid archive file. - Native error: 00035"},
        {EZEException(40, "Archiver"), "Archiver: Cannot find Zip64 directory end record - Native error: 00040"},
        {EZEException(41, "Archiver", "/big.bin"),
         "Archiver: Cannot compress file '/big.bin'. Zip64 mode is not enabled - Native error: 00041"},
        {EZEException(43, "Archiver", "/big.bin"),
         "Archiver: Cannot compress file '/big.bin'. Zip64 mode is not enabled - Native error: 00043"},
        {EZEException(46, "Archiver"), "Archiver: Write to stream error - Native error: 00046"},
        {EZEException(48, "Archiver"), "Archiver: Archive is damaged. Open failed - Native error: 00048"},
    };
    for (const auto& [error, text] : cases) {
        EXPECT_STREQ(error.what(), text);
        EXPECT_EQ(error.Message(), text);
        EXPECT_EQ(error.ErrorCode(), EZEException::messageNumber(error.NativeError()));
    }
}

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
    EXPECT_EQ(EZEException::messageTemplate(27), "Archive is damaged. Open failed");
    EXPECT_EQ(EZEException::messageTemplate(32), "Unknown error");
}

} // namespace
} // namespace korvane
