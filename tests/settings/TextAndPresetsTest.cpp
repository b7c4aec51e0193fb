#include "settings/TextLines.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

using Lines = std::vector<std::string>;

TEST(TextLinesTest, EmptyLinesCountButNotATrailingOne) {
    EXPECT_EQ(textLines(""), Lines{});
    EXPECT_EQ(textLines("a"), Lines{"a"});
    EXPECT_EQ(textLines("a\n"), Lines{"a"});
    EXPECT_EQ(textLines("a\n\nb"), (Lines{"a", "", "b"}));
    EXPECT_EQ(textLines("\n"), Lines{""});
    EXPECT_EQ(textLines(" a \n\n"), (Lines{" a ", ""}));
    EXPECT_EQ(textLines(joinLines({"x", "", "y"})), (Lines{"x", "", "y"}));
}

} // namespace
} // namespace korvane
