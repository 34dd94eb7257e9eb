#include "desktop_path.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>

namespace corvane {
namespace {

// Each test writes the Palm Desktop key of the test prefix's registry itself
// and removes it again.
class DesktopPathTest : public ::testing::Test {
protected:
    void SetUp() override { RemoveKey(); }
    void TearDown() override { RemoveKey(); }

    static void RemoveKey() { RegDeleteKeyA(HKEY_CURRENT_USER, kPalmDesktopKey); }

    static void SetValue(const void* bytes, DWORD size, DWORD type = REG_SZ) {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kPalmDesktopKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        ASSERT_EQ(RegSetValueExA(key, kDesktopPathValue, 0, type, static_cast<const BYTE*>(bytes), size),
                  ERROR_SUCCESS);
        RegCloseKey(key);
    }

    static void SetText(const std::string& text) { SetValue(text.c_str(), static_cast<DWORD>(text.size() + 1)); }

    // True when the key can be deleted, which Windows refuses while it is open.
    static bool KeyIsClosed() { return RegDeleteKeyA(HKEY_CURRENT_USER, kPalmDesktopKey) == ERROR_SUCCESS; }
};

TEST_F(DesktopPathTest, ReadsTheStoredDirectory) {
    SetText("C:\\Program Files\\Palm");
    char buffer[260];
    ASSERT_EQ(ReadDesktopPath(buffer, sizeof buffer), 0);
    EXPECT_STREQ(buffer, "C:\\Program Files\\Palm");
    EXPECT_TRUE(KeyIsClosed());
}

// Palm's libraries take ANSI paths: a folder named with letters the code page
// lacks ("?" in ANSI) cannot be used, and is not taken for Palm Desktop.
TEST_F(DesktopPathTest, AFolderTheAnsiCodePageCannotHoldIsNotFound) {
    const std::wstring folder = L"C:\\\u041f\u0430\u043b\u044c\u043c";
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kPalmDesktopKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExW(key, L"DesktopPath", 0, REG_SZ, reinterpret_cast<const BYTE*>(folder.c_str()),
                   static_cast<DWORD>((folder.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
    char buffer[260];
    EXPECT_EQ(ReadDesktopPath(buffer, sizeof buffer), kDesktopPathNotAnsi);
    EXPECT_STREQ(buffer, "");
    EXPECT_EQ(ReadWideDesktopPath(), folder);
}

TEST_F(DesktopPathTest, RefusesANullBufferOrSizeZero) {
    SetText("C:\\Palm");
    char buffer[4] = "abc";
    EXPECT_EQ(ReadDesktopPath(nullptr, 260), -100);
    EXPECT_EQ(ReadDesktopPath(buffer, 0), -100);
    EXPECT_STREQ(buffer, "abc");
}

TEST_F(DesktopPathTest, MissingKeyOrValueIsNotInstalled) {
    char buffer[260] = "stale";
    EXPECT_EQ(ReadDesktopPath(buffer, sizeof buffer), -101);
    EXPECT_STREQ(buffer, "");

    SetText("C:\\Palm");
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kPalmDesktopKey, 0, KEY_SET_VALUE, &key), ERROR_SUCCESS);
    RegDeleteValueA(key, kDesktopPathValue);
    RegCloseKey(key);
    EXPECT_EQ(ReadDesktopPath(buffer, sizeof buffer), -101);
    EXPECT_STREQ(buffer, "");
    EXPECT_TRUE(KeyIsClosed());
}

TEST_F(DesktopPathTest, AValueLargerThanTheBufferIsRefused) {
    SetText("C:\\" + std::string(300, 'p'));
    char buffer[260];
    EXPECT_EQ(ReadDesktopPath(buffer, sizeof buffer), -101);
    EXPECT_LT(strnlen(buffer, sizeof buffer), sizeof buffer);
    EXPECT_TRUE(KeyIsClosed());
}

TEST_F(DesktopPathTest, ALongestValueThatFitsIsRead) {
    const std::string longest = "C:\\" + std::string(256, 'p');  // 259 characters and the terminator
    SetText(longest);
    char buffer[260];
    ASSERT_EQ(ReadDesktopPath(buffer, sizeof buffer), 0);
    EXPECT_EQ(std::string(buffer), longest);
}

TEST_F(DesktopPathTest, AValueStoredWithoutItsTerminatorIsTerminated) {
    const char text[] = {'C', ':', '\\', 'P', 'a', 'l', 'm'};
    SetValue(text, sizeof text);
    char buffer[260];
    std::memset(buffer, 'x', sizeof buffer);
    ASSERT_EQ(ReadDesktopPath(buffer, sizeof buffer), 0);
    EXPECT_STREQ(buffer, "C:\\Palm");
}

TEST_F(DesktopPathTest, AnUnterminatedValueThatFillsTheBufferIsRefused) {
    const std::string full(16, 'p');
    SetValue(full.data(), static_cast<DWORD>(full.size()));
    char buffer[16];
    EXPECT_NE(ReadDesktopPath(buffer, sizeof buffer), 0);
    EXPECT_STREQ(buffer, "");
}

}  // namespace
}  // namespace corvane
