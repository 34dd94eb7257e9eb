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

TEST(FixedText, CompareOrdersLikeStrcmpWithinTheField) {
    EXPECT_LT(CompareField("20031231", 9, "20040101"), 0);
    EXPECT_EQ(CompareField("20040101", 9, "20040101"), 0);
    EXPECT_GT(CompareField("20040102", 9, "20040101"), 0);
    EXPECT_LT(CompareField("", 9, "20040101"), 0);
    // A field full of digits with no terminator stays within its nine bytes
    // and counts as the longer string.
    const char full[9] = {'2', '0', '0', '4', '0', '1', '0', '1', '7'};
    EXPECT_GT(CompareField(full, sizeof full, "20040101"), 0);
    const char exact[4] = {'0', '8', '0', '0'};
    EXPECT_EQ(CompareField(exact, sizeof exact, "0800"), 0);
    EXPECT_LT(CompareField(exact, sizeof exact, "08001"), 0);
}

}  // namespace
}  // namespace corvane
