#include "options.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "win_test_support.h"

namespace corvane {
namespace {

using testing::ReadWholeFile;
using testing::ScratchFolder;
using testing::WriteWholeFile;

// The INI file's lines without carriage returns or blank lines.
std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::string line;
    for (const char c : text) {
        if (c == '\r') continue;
        if (c == '\n') {
            if (!line.empty()) lines.push_back(line);
            line.clear();
        } else {
            line += c;
        }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

class OptionsTest : public ::testing::Test {
protected:
    OptionsTest()
        : folder_("corvane_options"), ini_(folder_.Path() + "brightfen.ini"), iniW_(ini_.begin(), ini_.end()) {}

    std::vector<std::string> SavedLines(TOptions& options) const {
        EXPECT_EQ(options.Save(), 1);
        return Lines(ReadWholeFile(ini_));
    }

    ScratchFolder folder_;
    std::string ini_;
    std::wstring iniW_;
};

TEST_F(OptionsTest, MissingFileGivesTheDefaultsAndSaveWritesEveryKeyInOrder) {
    TOptions options;
    options.ShowHelp = 0;  // Load must put every field back to its default
    options.RemindSec = 99;
    ASSERT_EQ(options.LoadFrom(iniW_.c_str()), FileLoad::NotFound);
    EXPECT_EQ(options.ShowHelp, 1);
    EXPECT_EQ(options.Hide, 0);
    EXPECT_EQ(options.UpdatePermanent, 0);
    EXPECT_EQ(options.FormIndex, 3);
    EXPECT_EQ(options.RemindIndex, 2);
    EXPECT_EQ(options.RemindSec, 30);
    EXPECT_EQ(options.RemindMin, 5);
    EXPECT_EQ(options.RemindDetail, 1);
    EXPECT_EQ(std::wstring(options.IniFile), iniW_);

    const std::vector<std::string> want = {
        "[CVOption]",     "ShowHelp=1",    "Hide=0",      "UpdatePermanent=0", "FormIndex=3",
        "RemindIndex=2", "RemindSec=30", "RemindMin=5", "RemindDetail=1",
    };
    EXPECT_EQ(SavedLines(options), want);
}

TEST_F(OptionsTest, FlagsAreSetOnlyByExactlyOne) {
    WriteWholeFile(ini_, "[CVOption]\r\nShowHelp=2\r\nHide=yes\r\nUpdatePermanent=1\r\n");
    TOptions options;
    options.LoadFrom(iniW_.c_str());
    EXPECT_EQ(options.ShowHelp, 0);
    EXPECT_EQ(options.Hide, 0);
    EXPECT_EQ(options.UpdatePermanent, 1);
    const auto lines = SavedLines(options);
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines[1], "ShowHelp=0");
    EXPECT_EQ(lines[2], "Hide=0");
    EXPECT_EQ(lines[3], "UpdatePermanent=1");
}

TEST_F(OptionsTest, IntegersAreKeptAsRead) {
    WriteWholeFile(ini_, "[CVOption]\r\nFormIndex=7\r\nRemindDetail=5\r\nRemindSec=12abc\r\nRemindMin=-4\r\n"
                         "RemindIndex=none\r\n");
    TOptions options;
    options.LoadFrom(iniW_.c_str());
    EXPECT_EQ(options.FormIndex, 7);
    EXPECT_EQ(options.RemindDetail, 5);
    EXPECT_EQ(options.RemindSec, 12);
    EXPECT_EQ(options.RemindMin, -4);
    EXPECT_EQ(options.RemindIndex, 0);
    // Each key keeps its line; the keys the file lacked follow, in their order.
    const std::vector<std::string> want = {
        "[CVOption]",    "FormIndex=7", "RemindDetail=5", "RemindSec=12", "RemindMin=-4",
        "RemindIndex=0", "ShowHelp=1",  "Hide=0",         "UpdatePermanent=0",
    };
    EXPECT_EQ(SavedLines(options), want);
}

// Windows' profile reader, and the next start, find the new value in a file
// of either encoding it reads and writes; the rest of the file stays.
TEST_F(OptionsTest, SaveKeepsOtherSectionsAndRewritesChangedValues) {
    const std::string ansi = "[Other]\r\nKeep=me\r\n[CVOption]\r\nFormIndex=1\r\n";
    std::string utf16 = "\xFF\xFE";
    for (const char c : ansi) utf16 += std::string{c, '\0'};
    for (const std::string& previous : {ansi, utf16}) {
        WriteWholeFile(ini_, previous);
        TOptions options;
        options.LoadFrom(iniW_.c_str());
        EXPECT_EQ(options.FormIndex, 1);
        options.FormIndex = 2;
        ASSERT_EQ(options.Save(), 1);
        EXPECT_EQ(GetPrivateProfileIntW(L"CVOption", L"FormIndex", -1, iniW_.c_str()), 2u);
        wchar_t kept[8];
        GetPrivateProfileStringW(L"Other", L"Keep", L"", kept, 8, iniW_.c_str());
        EXPECT_STREQ(kept, L"me");
        EXPECT_EQ(ReadWholeFile(ini_).compare(0, 2, previous, 0, 2), 0);  // the encoding kept
    }
}

TEST_F(OptionsTest, APathThatDoesNotFitIsNotUsed) {
    const std::wstring tooLong = iniW_ + std::wstring(300, L'x') + L".ini";
    TOptions options;
    options.LoadFrom(tooLong.c_str());
    EXPECT_EQ(options.IniFile[0], L'\0');
    EXPECT_EQ(options.FormIndex, 3);
    DWORD reason = ERROR_SUCCESS;
    EXPECT_EQ(options.Save(&reason), 0);  // told, not silently dropped
    EXPECT_EQ(reason, static_cast<DWORD>(ERROR_FILENAME_EXCED_RANGE));
}

// A settings file held open without sharing at start-up gives the defaults
// for the run, but is never written over; once it can be read, its values
// come in where the person has not changed them.
TEST_F(OptionsTest, AFileThatCannotBeReadIsNeverWrittenOver) {
    const std::string stored = "[CVOption]\r\nFormIndex=1\r\nRemindSec=45\r\n";
    WriteWholeFile(ini_, stored);
    HANDLE held = CreateFileA(ini_.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    TOptions options;
    EXPECT_EQ(options.LoadFrom(iniW_.c_str()), FileLoad::Unreadable);
    EXPECT_EQ(options.RemindSec, 30);
    options.PersonSet(&TOptions::FormIndex, 2);
    DWORD reason = ERROR_SUCCESS;
    EXPECT_EQ(options.Save(&reason), 0);
    EXPECT_EQ(options.Reload(&reason), FileLoad::Unreadable);
    EXPECT_EQ(reason, static_cast<DWORD>(ERROR_SHARING_VIOLATION));
    CloseHandle(held);
    EXPECT_EQ(ReadWholeFile(ini_), stored);

    EXPECT_EQ(options.Reload(), FileLoad::Read);
    EXPECT_EQ(options.RemindSec, 45);
    EXPECT_EQ(options.FormIndex, 2);
    EXPECT_EQ(SavedLines(options)[1], "FormIndex=2");
}

TEST_F(OptionsTest, NothingIsWrittenWhenNothingChanged) {
    TOptions options;
    options.LoadFrom(iniW_.c_str());
    EXPECT_TRUE(options.Unsaved());  // no file yet
    ASSERT_EQ(options.Save(), 1);
    EXPECT_FALSE(options.Unsaved());
    options.RemindIndex = 3;
    EXPECT_TRUE(options.Unsaved());
}

}  // namespace
}  // namespace corvane
