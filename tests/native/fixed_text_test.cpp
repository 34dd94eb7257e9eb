#include "fixed_text.h"
#include "path_text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <cwchar>
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

// The executable's directory from the path the system reports, in any
// alphabet; a cut path gives nothing.
TEST(ModuleDirectory, KeepsThePathUpToItsLastSeparator) {
    const std::wstring full(259, L'x');
    const struct {
        const wchar_t* module;
        uint32_t length;
        int result;
        const wchar_t* directory;
    } rows[] = {
        {L"C:\\Corvane\\corvane.exe", 22, 1, L"C:\\Corvane\\"},
        {L"C:/a\\b/c.exe", 12, 1, L"C:/a\\b/"},
        {L"C:\\\u041f\u0451\u0442\u0440\\x.exe", 12, 1, L"C:\\\u041f\u0451\u0442\u0440\\"},
        {L"corvane.exe", 11, 1, L""},
        {L"C:\\a\\b.exe", 0, 0, L""},      // the system gave nothing
        {full.c_str(), 260, 0, L""},         // cut: no room for the terminator
    };
    for (const auto& row : rows) {
        WidePath buffer;
        std::wmemset(buffer, L'z', kPathSize);
        EXPECT_EQ(ModuleDirectory(row.module, row.length, &buffer), row.result);
        EXPECT_EQ(std::wstring(buffer), row.directory);
    }
    EXPECT_EQ(ModuleDirectory(L"C:\\a.exe", 8, nullptr), 0);
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
