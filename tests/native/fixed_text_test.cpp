#include "fixed_text.h"

#include <gtest/gtest.h>

#include <cstring>

namespace corvane {
namespace {

TEST(FixedText, LengthStopsAtTheFieldWidth) {
    const char unterminated[4] = {'a', 'b', 'c', 'd'};
    EXPECT_EQ(FieldLength(unterminated, sizeof unterminated), 4u);
    EXPECT_EQ(FieldLength("ab\0cd", 5), 2u);
}

TEST(FixedText, CopyTerminatesOrRefuses) {
    const char source[5] = {'1', '2', '3', '4', '5'};
    char fits[6];
    ASSERT_TRUE(CopyField(fits, sizeof fits, source, sizeof source));
    EXPECT_STREQ(fits, "12345");

    char tooSmall[5] = "xxxx";
    EXPECT_FALSE(CopyField(tooSmall, sizeof tooSmall, source, sizeof source));
    EXPECT_STREQ(tooSmall, "");
    EXPECT_FALSE(CopyField(nullptr, 4, source, sizeof source));
}

TEST(FixedText, AppendKeepsTheTargetWhenTheResultDoesNotFit) {
    char buffer[8] = "abc";
    EXPECT_TRUE(AppendText(buffer, sizeof buffer, "defg"));
    EXPECT_STREQ(buffer, "abcdefg");
    EXPECT_FALSE(AppendText(buffer, sizeof buffer, "h"));
    EXPECT_STREQ(buffer, "abcdefg");
}

}  // namespace
}  // namespace corvane
