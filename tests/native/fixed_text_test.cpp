#include "fixed_text.h"
#include "path_text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

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

// The executable's directory from the path the system reports: a trail byte
// that looks like a backslash is no separator, and a cut path gives nothing.
TEST(ModuleDirectory, KeepsThePathUpToItsLastSeparator) {
    const LeadByteTest isLead = [](unsigned char byte) { return byte >= 0x81 && byte <= 0x9F; };
    const std::string full(259, 'x');
    const struct {
        const char* module;
        uint32_t length;
        LeadByteTest lead;
        int result;
        const char* directory;
    } rows[] = {
        {"C:\\Corvane\\corvane.exe", 22, NoLeadBytes, 1, "C:\\Corvane\\"},
        {"C:/a\\b/c.exe", 12, NoLeadBytes, 1, "C:/a\\b/"},
        {"C:\\\x95\\x.exe", 10, isLead, 1, "C:\\"},             // 0x95 0x5C is one character
        {"C:\\\x95\\x.exe", 10, NoLeadBytes, 1, "C:\\\x95\\"},
        {"C:\\a\x95", 5, isLead, 1, "C:\\"},                     // a lead byte at the very end
        {"corvane.exe", 11, NoLeadBytes, 1, ""},
        {"C:\\a\\b.exe", 0, NoLeadBytes, 0, ""},                   // the system gave nothing
        {full.c_str(), 260, NoLeadBytes, 0, ""},                     // cut: no room for the terminator
    };
    for (const auto& row : rows) {
        PathBuffer buffer;
        std::memset(buffer, 'z', sizeof buffer);
        EXPECT_EQ(ModuleDirectory(row.module, row.length, &buffer, row.lead), row.result) << row.module;
        EXPECT_STREQ(buffer, row.directory) << row.module;
    }
    EXPECT_EQ(ModuleDirectory("C:\\a.exe", 8, nullptr, NoLeadBytes), 0);
}

TEST(JoinPath, FormsDirectoryBackslashNameOrNothing) {
    PathBuffer path;
    ASSERT_TRUE(JoinPath(&path, "C:\\Palm", "condmgr.dll"));
    EXPECT_STREQ(path, "C:\\Palm\\condmgr.dll");
    const std::string fits(259 - 1 - 11, 'd');
    ASSERT_TRUE(JoinPath(&path, fits.c_str(), "condmgr.dll"));
    EXPECT_EQ(std::strlen(path), 259u);
    EXPECT_FALSE(JoinPath(&path, (fits + "d").c_str(), "condmgr.dll"));
    EXPECT_STREQ(path, "");
    EXPECT_FALSE(JoinPath(&path, nullptr, "condmgr.dll"));
    EXPECT_FALSE(JoinPath(nullptr, "C:\\Palm", "condmgr.dll"));
}

}  // namespace
}  // namespace corvane
