#include "registry_text.h"

#include <gtest/gtest.h>

#include <cstring>

namespace corvane {
namespace {

TEST(TerminateRegistryText, KeepsATerminatedValue) {
    char buffer[16] = "C:\\Palm";
    EXPECT_EQ(TerminateRegistryText(buffer, sizeof buffer, 8), 0);
    EXPECT_STREQ(buffer, "C:\\Palm");
}

TEST(TerminateRegistryText, TerminatesAValueStoredWithoutItsZero) {
    char buffer[16];
    std::memset(buffer, 'x', sizeof buffer);
    std::memcpy(buffer, "C:\\Palm", 7);
    EXPECT_EQ(TerminateRegistryText(buffer, sizeof buffer, 7), 0);
    EXPECT_STREQ(buffer, "C:\\Palm");
}

TEST(TerminateRegistryText, RefusesAnUnterminatedValueThatFillsTheBuffer) {
    char buffer[7];
    std::memcpy(buffer, "C:\\Palm", 7);
    EXPECT_EQ(TerminateRegistryText(buffer, sizeof buffer, 7), -102);
    EXPECT_STREQ(buffer, "");
}

TEST(TerminateRegistryText, RefusesALengthBeyondTheBuffer) {
    char buffer[4] = "abc";
    EXPECT_EQ(TerminateRegistryText(buffer, sizeof buffer, 9), -102);
    EXPECT_STREQ(buffer, "");
}

TEST(TerminateRegistryText, AnEmptyValueIsAnEmptyString) {
    char buffer[4] = "abc";
    EXPECT_EQ(TerminateRegistryText(buffer, sizeof buffer, 0), 0);
    EXPECT_STREQ(buffer, "");
}

}  // namespace
}  // namespace corvane
