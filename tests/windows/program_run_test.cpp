// The real corvane.exe, laid out with its data folder beside the demo Palm
// Desktop of the stand-in, started and driven from outside.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "fixture.h"
#include "icon_win.h"
#include "main_form.h"
#include "program_driver.h"
#include "schedule_record.h"
#include "win_test_support.h"

namespace corvane {
namespace {

using namespace corvane::testing;

const char* const kAllKeys[] = {"ShowHelp",    "Hide",      "UpdatePermanent", "FormIndex",
                                "RemindIndex", "RemindSec", "RemindMin",       "RemindDetail"};

std::string ScheduleRecordBytes(uint32_t userId, const char* time, const char* date) {
    ScheduleRecord record{};
    record.UserID = userId;
    record.Kind = skDaily;
    std::memcpy(record.SyncTime, time, sizeof record.SyncTime);
    std::memcpy(record.SyncDate, date, sizeof record.SyncDate);
    return std::string(reinterpret_cast<const char*>(&record), sizeof record);
}

std::string Tomorrow() {
    SYSTEMTIME day;
    GetLocalTime(&day);
    FILETIME time;
    SystemTimeToFileTime(&day, &time);
    ULARGE_INTEGER value;
    value.LowPart = time.dwLowDateTime;
    value.HighPart = time.dwHighDateTime;
    value.QuadPart += 24ULL * 3600 * 10000000;
    time = {value.LowPart, value.HighPart};
    FileTimeToSystemTime(&time, &day);
    char text[16];
    std::snprintf(text, sizeof text, "%04u%02u%02u", day.wYear, day.wMonth, day.wDay);
    return text;
}

class ProgramRunTest : public ::testing::Test {
protected:
    void SetUp() override {
        RemoveTree(folder_);
        CreateDirectoryA(folder_.c_str(), nullptr);
        CreateDirectoryA((folder_ + "\\cvdata").c_str(), nullptr);
        ASSERT_TRUE(CopyFileA((ExeDirectory() + "corvane.exe").c_str(), Program().c_str(), FALSE));
        CopyFileA((ExeDirectory() + "cvdata\\cvwkcond.dat").c_str(), (folder_ + "\\cvdata\\cvwkcond.dat").c_str(), FALSE);
        RemoveTree(desktop_);
        ASSERT_TRUE(palmsim::CreatePalmDesktop(desktop_, palmsim::DesktopKind::Demo));
        ASSERT_TRUE(palmsim::RegisterDesktopPath(desktop_));
    }
    void TearDown() override {
        palmsim::UnregisterDesktopPath();
        RemoveTree(desktop_);
        RemoveTree(folder_);
    }

    std::string Program() const { return folder_ + "\\corvane.exe"; }
    std::string Ini() const { return folder_ + "\\brightfen.ini"; }
    std::string Schedules() const { return folder_ + "\\cvdata\\cvsche.dat"; }
    void WriteSettings(const char* lines) const { ASSERT_TRUE(WriteWholeFile(Ini(), std::string("[CVOption]\r\n") + lines)); }
    std::string Setting(const char* key) const {
        char value[32];
        GetPrivateProfileStringA("CVOption", key, "(none)", value, sizeof value, Ini().c_str());
        return value;
    }
    bool HasEveryKey() const {
        for (const char* key : kAllKeys) {
            if (Setting(key) == "(none)") return false;
        }
        return true;
    }
    static std::string Status(HWND main) {
        char text[64] = "";
        GetWindowTextA(GetDlgItem(main, TfrmMain::idLblStatus), text, sizeof text);
        return text;
    }

    const std::string folder_ = TempFolder() + "Corvane Program";
    const std::string desktop_ = TempFolder() + "Program Palm Desktop";
};

TEST_F(ProgramRunTest, TheFirstStartShowsTheIntroductionAndExitSavesEverySetting) {
    ProgramRun run;
    ASSERT_TRUE(run.Start(Program()));
    HWND main = run.MainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(main) != FALSE; }));
    EXPECT_EQ(Status(main), "Divu Vuri Zor!");
    HWND icon = IconWindowOf(main);
    EXPECT_TRUE(IconInTray(icon));

    PostMessageA(icon, WM_COMMAND, cmExit, 0);
    EXPECT_EQ(run.ExitCode(), 0u);
    EXPECT_TRUE(HasEveryKey());
    EXPECT_EQ(Setting("Hide"), "1");
    EXPECT_EQ(Setting("FormIndex"), "0");
    EXPECT_EQ(Setting("ShowHelp"), "1");
}

TEST_F(ProgramRunTest, ASecondStartEndsAtOnceAndStillSavesTheSettingsItFound) {
    WriteSettings("Hide=1\r\nShowHelp=0\r\nFormIndex=1\r\n");
    ProgramRun first;
    ASSERT_TRUE(first.Start(Program()));
    ASSERT_NE(first.MainWindow(), nullptr);
    ProgramRun second;
    ASSERT_TRUE(second.Start(Program()));
    EXPECT_EQ(second.ExitCode(5000), 0u);
    EXPECT_EQ(FindProcessWindow(second.Id(), kMainWindowClass), nullptr);
    EXPECT_TRUE(HasEveryKey());
    EXPECT_EQ(Setting("FormIndex"), "1");
    EXPECT_EQ(Setting("ShowHelp"), "0");
    EXPECT_TRUE(first.Running());
}

TEST_F(ProgramRunTest, TheIconShowsHidesAndOpensThePagesAndAPowerBroadcastEndsTheRun) {
    WriteSettings("Hide=1\r\nShowHelp=0\r\nFormIndex=2\r\n");
    ProgramRun run;
    ASSERT_TRUE(run.Start(Program()));
    HWND main = run.MainWindow();
    ASSERT_NE(main, nullptr);
    HWND icon = IconWindowOf(main);
    EXPECT_FALSE(IsWindowVisible(main));
    EXPECT_EQ(Status(main), "User Management");
    const auto visible = [main] { return IsWindowVisible(main) != FALSE; };
    const auto hidden = [main] { return IsWindowVisible(main) == FALSE; };

    PostMessageA(icon, WM_TRAYNOTIFY, 0, WM_LBUTTONDOWN);
    EXPECT_TRUE(WaitFor(visible));
    PostMessageA(icon, WM_TRAYNOTIFY, 0, WM_LBUTTONDOWN);
    EXPECT_TRUE(WaitFor(hidden));

    const struct {
        int Command;
        const char* Status;
    } commands[] = {{cmConduits, "Conduit Management"}, {cmSchedule, "Schedule HotSync Task"}, {cmHelp, "Divu Vuri Zor!"}};
    for (const auto& command : commands) {
        SendMessageA(icon, WM_COMMAND, static_cast<WPARAM>(command.Command), 0);
        EXPECT_TRUE(visible()) << command.Status;
        EXPECT_EQ(Status(main), command.Status);
    }
    SendMessageA(main, WM_HIDEMAIN, 0, 0);
    EXPECT_TRUE(hidden());

    PostMessageA(icon, WM_COMMAND, cmAbout, 0);
    HWND about = nullptr;
    EXPECT_TRUE(WaitFor([&] { return (about = FindProcessWindow(run.Id(), "TfrmAbout", "About Corvane")) != nullptr; }));
    PostMessageA(about, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitFor(visible));

    // The task bar restarts and forgets the icon: the program adds it again.
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V2_SIZE;
    data.hWnd = icon;
    data.uID = kTrayIconId;
    Shell_NotifyIconA(NIM_DELETE, &data);
    ASSERT_FALSE(IconInTray(icon));
    PostMessageA(main, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_TRUE(WaitFor([icon] { return IconInTray(icon); }));

    PostMessageA(main, WM_POWERBROADCAST, PBT_APMSUSPEND, 0);
    EXPECT_EQ(run.ExitCode(), 0u);
    EXPECT_EQ(Setting("FormIndex"), "0");
}

TEST_F(ProgramRunTest, StartUpMovesPastSchedulesOnAndRunsWithoutPalmDesktop) {
    palmsim::UnregisterDesktopPath();
    WriteSettings("Hide=1\r\nShowHelp=1\r\n");
    ASSERT_TRUE(WriteWholeFile(Schedules(), ScheduleRecordBytes(1001, "0000", "20200101")));
    ProgramRun run;
    ASSERT_TRUE(run.Start(Program()));
    HWND main = run.MainWindow();
    ASSERT_NE(main, nullptr);
    for (int command : {cmConduits, cmUsers, cmSchedule}) SendMessageA(IconWindowOf(main), WM_COMMAND, command, 0);
    EXPECT_EQ(Status(main), "Schedule HotSync Task");
    PostMessageA(IconWindowOf(main), WM_COMMAND, cmExit, 0);
    EXPECT_EQ(run.ExitCode(), 0u);

    // Past due daily at midnight: moved on to tomorrow.
    EXPECT_EQ(ReadWholeFile(Schedules()), ScheduleRecordBytes(1001, "0000", Tomorrow().c_str()));
    EXPECT_EQ(Setting("FormIndex"), "3");
}

TEST_F(ProgramRunTest, ASessionEndSavesTheRunsChangesOnceAndForAll) {
    WriteSettings("Hide=1\r\nShowHelp=1\r\n");
    ProgramRun run;
    ASSERT_TRUE(run.Start(Program()));
    HWND main = run.MainWindow();
    ASSERT_NE(main, nullptr);
    HWND icon = IconWindowOf(main);
    // Opening the schedule page gives the first user a schedule: a change of this run.
    SendMessageA(icon, WM_COMMAND, cmSchedule, 0);
    EXPECT_FALSE(FileExists(Schedules()));

    DWORD_PTR answer = 0;
    ASSERT_NE(SendMessageTimeoutA(main, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_BLOCK, 10000, &answer), 0);
    EXPECT_EQ(ReadWholeFile(Schedules()).size(), sizeof(ScheduleRecord));
    EXPECT_EQ(Setting("FormIndex"), "3");
    EXPECT_TRUE(HasEveryKey());

    // Whatever happens to the process afterwards writes nothing more.
    WriteSettings("Marker=1\r\n");
    WriteWholeFile(Schedules(), "marker");
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(run.ExitCode(), 0u);
    EXPECT_EQ(Setting("Marker"), "1");
    EXPECT_EQ(Setting("Hide"), "(none)");
    EXPECT_EQ(ReadWholeFile(Schedules()), "marker");
}

}  // namespace
}  // namespace corvane
