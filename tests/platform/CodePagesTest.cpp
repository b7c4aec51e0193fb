#include "platform/CodePages.h"
#include "platform/DisplayWidth.h"
#include "platform/Utf8Text.h"
#include "support/Environment.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace korvane {
namespace {

std::string allBytes() {
    std::string bytes;
    for (int byte = 0; byte < 256; ++byte) {
        bytes.push_back(static_cast<char>(byte));
    }
    return bytes;
}

TEST(CodePages, EveryByteSurvivesARoundTrip) {
    const std::string bytes = allBytes();
    EXPECT_EQ(utf8ToAnsi(ansiToUtf8(bytes)), bytes);
    EXPECT_EQ(utf8ToOem(oemToUtf8(bytes)), bytes);
}

TEST(CodePages, CyrillicTextInBothCodePages) {
    const std::string text = "Текстуры\\Стена.tex"; // UTF-8 source
    EXPECT_EQ(ansiToUtf8("\xD2\xE5\xEA\xF1\xF2\xF3\xF0\xFB\\\xD1\xF2\xE5\xED\xE0.tex"), text);
    EXPECT_EQ(utf8ToAnsi(text), "\xD2\xE5\xEA\xF1\xF2\xF3\xF0\xFB\\\xD1\xF2\xE5\xED\xE0.tex");
    EXPECT_EQ(oemToUtf8("\x92\xA5\xAA\xE1\xE2\xE3\xE0\xEB"), "Текстуры");
    EXPECT_EQ(utf8ToOem("Ёё"), "\xF0\xF1");
    EXPECT_EQ(ansiToUtf8("\xA8\xB8\xB9"), "Ёё№");
    // The same character moves between the pages: ANSI to OEM as the archive names need it.
    EXPECT_EQ(utf8ToOem(ansiToUtf8("\xC0\xFF")), "\x80\xEF");
}

TEST(CodePages, UndefinedBytesBecomePrivateCharactersAndComeBack) {
    // 0x98 has no character in Windows-1251.
    EXPECT_EQ(ansiToUtf8("a\x98"), "a\xEF\x9E\x98"); // U+F798
    EXPECT_EQ(utf8ToAnsi("\xEF\x9E\x98"), "\x98");
    // A private character of a defined byte is not an alias for it.
    EXPECT_EQ(utf8ToAnsi("\xEF\x9F\x80"), std::nullopt); // U+F7C0; 0xC0 is А
}

TEST(CodePages, UnrepresentableTextGivesNothing) {
    EXPECT_EQ(utf8ToAnsi("日本"), std::nullopt);
    EXPECT_EQ(utf8ToAnsi("Ä"), std::nullopt); // not in Windows-1251
    EXPECT_EQ(utf8ToOem("€"), std::nullopt);  // in Windows-1251, not in CP866
    EXPECT_EQ(utf8ToAnsi("€"), "\x88");
    EXPECT_EQ(utf8ToAnsi("bad \xC3"), std::nullopt); // cut UTF-8 sequence
    EXPECT_EQ(utf8ToAnsi(""), "");
    EXPECT_EQ(utf8ToAnsi(std::string("я\0b", 4)), std::string("\xFF\0b", 3)); // through the table, not as ASCII
}

// A character outside the first plane is one valid character of four bytes; a wide one takes two columns.
TEST(Utf8Text, CharactersAndTheColumnsTheyTake) {
    EXPECT_TRUE(isValidUtf8("\xF0\x9F\x98\x80"));
    EXPECT_EQ(utf8Length("a\xF0\x9F\x98\x80"), 2u);
    EXPECT_FALSE(isValidUtf8("\xF4\x90\x80\x80")); // past U+10FFFF
    EXPECT_EQ(displayWidth("Стена.tex"), 9u);
    EXPECT_EQ(displayWidth("坦克/a"), 6u);
    EXPECT_EQ(displayWidth("e\xCC\x81\xFF"), 2u); // a combining accent, and a stray byte
}

} // namespace
} // namespace korvane

namespace korvane {
namespace {

// The code pages are chosen once per process, so each choice runs in a fresh one.
TEST(CodePagesDeathTest, TheEnvironmentChoosesOtherCodePages) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            testing::setEnvironment("KORVANE_ANSI_CODEPAGE", "1252");
            testing::setEnvironment("KORVANE_OEM_CODEPAGE", "437");
            const bool chosen = ansiToUtf8("\xC4\x80") == "Ä€" && utf8ToOem("Ä") == "\x8E" &&
                                ansiToUtf8("\x81") == "\xEF\x9E\x81" && !utf8ToAnsi("Ж");
            std::exit(chosen ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
    EXPECT_EXIT(
        {
            testing::setEnvironment("KORVANE_ANSI_CODEPAGE", "bogus");
            testing::setEnvironment("KORVANE_OEM_CODEPAGE", "12345");
            std::exit(ansiToUtf8("\xC6") == "Ж" && oemToUtf8("\x86") == "Ж" ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

} // namespace
} // namespace korvane
