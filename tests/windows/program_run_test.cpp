// The real corvane.exe, laid out with its data folder beside the demo Palm
// Desktop of the stand-in, started and driven from outside.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "fixture.h"
#include "icon_win.h"
#include "main_form.h"
#include "product.h"
#include "program_driver.h"
#include "running_instance.h"
#include "schedule_record.h"
#include "win_handles.h"
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

// The local clock `minutes` from now, as a schedule's date and time texts.
struct ClockTexts {
    std::string Date;
    std::string Time;
};

ClockTexts LocalClockIn(int64_t minutes) {
    SYSTEMTIME moment;
    GetLocalTime(&moment);
    FILETIME time;
    SystemTimeToFileTime(&moment, &time);
    ULARGE_INTEGER value;
    value.LowPart = time.dwLowDateTime;
    value.HighPart = time.dwHighDateTime;
    value.QuadPart += static_cast<uint64_t>(minutes) * 60 * 10000000;
    time = {value.LowPart, value.HighPart};
    FileTimeToSystemTime(&time, &moment);
    char date[16];
    char hhmm[8];
    std::snprintf(date, sizeof date, "%04u%02u%02u", moment.wYear, moment.wMonth, moment.wDay);
    std::snprintf(hhmm, sizeof hhmm, "%02u%02u", moment.wHour, moment.wMinute);
    return {date, hhmm};
}

// Waits past the last seconds of a minute, so that a start-up that follows
// sees the clock in the same minute as the test.
void AvoidMinuteEnd() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    if (now.wSecond >= 50) Sleep((61 - now.wSecond) * 1000);
}

// Another build of the program, whose main window has another caption: what
// finds a running Corvane must not depend on the version.
bool CopyWithOtherCaption(const std::string& from, const std::string& to) {
    std::string bytes = ReadWholeFile(from);
    const std::string caption(kMainCaption, sizeof kMainCaption);  // with its terminator
    const std::string otherCaption("Corvane V9.8.7", sizeof kMainCaption);
    size_t replaced = 0;
    for (size_t at = bytes.find(caption); at != std::string::npos; at = bytes.find(caption, at), ++replaced) {
        bytes.replace(at, caption.size(), otherCaption);
    }
    return replaced > 0 && WriteWholeFile(to, bytes);
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
        // A HotSync Manager that a reminder started holds its folder for a moment.
        WaitFor([] { return FindWindowA(nullptr, "HotSync Manager") == nullptr; });
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
    std::string HotSyncStarts() const { return ReadWholeFile(desktop_ + "\\hotsync-starts.log"); }
    // A hidden run whose first user's daily schedule is due `minutes` from now,
    // reminded for one second and then starting HotSync.
    void StartWithScheduleDueIn(ProgramRun& run, int64_t minutes) {
        WriteSettings("Hide=1\r\nShowHelp=1\r\nRemindSec=1\r\nRemindIndex=1\r\n");
        AvoidMinuteEnd();
        const ClockTexts due = LocalClockIn(minutes);
        ASSERT_TRUE(WriteWholeFile(Schedules(), ScheduleRecordBytes(1001, due.Time.c_str(), due.Date.c_str())));
        ASSERT_TRUE(run.Start(Program()));
        ASSERT_NE(run.MainWindow(), nullptr);
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
    // A notification area that is still starting may refuse the first add; the program asks again.
    EXPECT_TRUE(WaitFor([icon] { return IconInTray(icon); }));

    PostMessageA(icon, WM_COMMAND, cmExit, 0);
    EXPECT_EQ(run.ExitCode(), 0u);
    EXPECT_TRUE(HasEveryKey());
    EXPECT_EQ(Setting("Hide"), "1");
    EXPECT_EQ(Setting("FormIndex"), "0");
    EXPECT_EQ(Setting("ShowHelp"), "1");
}

TEST_F(ProgramRunTest, ASecondStartOfEitherVersionShowsTheRunningInstanceAndEnds) {
    const std::string other = folder_ + "\\corvane-other.exe";
    ASSERT_TRUE(CopyWithOtherCaption(Program(), other));
    for (const bool firstIsOther : {false, true}) {
        WriteSettings("Hide=1\r\nShowHelp=0\r\nFormIndex=1\r\n");
        ProgramRun first;
        ASSERT_TRUE(first.Start(firstIsOther ? other : Program()));
        HWND main = first.MainWindow();
        ASSERT_NE(main, nullptr);
        EXPECT_FALSE(IsWindowVisible(main));
        const std::string settings = ReadWholeFile(Ini());
        ProgramRun second;
        ASSERT_TRUE(second.Start(firstIsOther ? Program() : other));
        EXPECT_EQ(second.ExitCode(10000), 0u) << firstIsOther;
        EXPECT_TRUE(WaitFor([main] { return IsWindowVisible(main) != FALSE; })) << firstIsOther;
        EXPECT_EQ(FindProcessWindow(second.Id(), kMainWindowClass), nullptr);
        EXPECT_EQ(ReadWholeFile(Ini()), settings);  // the running instance's to save
        EXPECT_TRUE(first.Running());
        PostMessageA(IconWindowOf(main), WM_COMMAND, cmExit, 0);
        EXPECT_EQ(first.ExitCode(), 0u);
    }
}

// The first instance is ending when a second start comes: asked to exit, it
// waits for an answer to a save that failed (another program holds its
// settings file). The second waits for its end and runs itself, shown.
TEST_F(ProgramRunTest, ASecondStartWhileTheFirstIsEndingRunsItselfAndShows) {
    WriteSettings("Hide=1\r\nShowHelp=1\r\n");
    ProgramRun first;
    ASSERT_TRUE(first.Start(Program()));
    HWND main = first.MainWindow();
    ASSERT_NE(main, nullptr);
    UniqueHandle held(CreateFileA(Ini().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(held);
    PostMessageA(IconWindowOf(main), WM_COMMAND, cmSchedule, 0);  // a change the held file refuses
    HWND question = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (question = FindProcessWindow(first.Id(), "#32770")) != nullptr; }));
    PostMessageA(IconWindowOf(main), WM_COMMAND, cmExit, 0);
    ASSERT_TRUE(WaitFor([main] { return AskInstance(main, irIdentify, 1000) == InstanceAnswer::Ending; }));

    ProgramRun second;
    ASSERT_TRUE(second.Start(Program()));
    EXPECT_EQ(second.ExitCode(3000), STILL_ACTIVE);
    held.Reset();
    PostMessageA(question, WM_COMMAND, IDRETRY, 0);
    EXPECT_EQ(first.ExitCode(), 0u);
    EXPECT_EQ(Setting("FormIndex"), "3");
    HWND shown = second.MainWindow(30000);
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(WaitFor([shown] { return IsWindowVisible(shown) != FALSE; }));
    PostMessageA(IconWindowOf(shown), WM_COMMAND, cmExit, 0);
    EXPECT_EQ(second.ExitCode(), 0u);
}

TEST_F(ProgramRunTest, TheIconShowsHidesAndOpensThePages) {
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

    PostMessageA(icon, WM_COMMAND, cmExit, 0);
    EXPECT_EQ(run.ExitCode(), 0u);
    EXPECT_EQ(Setting("FormIndex"), "0");
}

// Reminders come from start-up on, with the introduction as the page: from
// the timer armed for the schedule's moment, and at once after a wake.
TEST_F(ProgramRunTest, TheTimerRemindsWithoutTheSchedulePage) {
    ProgramRun run;
    StartWithScheduleDueIn(run, 1);
    EXPECT_TRUE(WaitFor([&] { return !HotSyncStarts().empty(); }, 130000));
    PostMessageA(IconWindowOf(run.MainWindow()), WM_COMMAND, cmExit, 0);
    EXPECT_EQ(run.ExitCode(), 0u);
}

TEST_F(ProgramRunTest, SleepSavesEverythingAndAWakeRemindsOfWhatFellDue) {
    ProgramRun run;
    StartWithScheduleDueIn(run, 0);
    HWND main = run.MainWindow();
    for (const WPARAM event : {PBT_APMPOWERSTATUSCHANGE, PBT_APMSUSPEND}) {
        DWORD_PTR answer = 0;
        ASSERT_NE(SendMessageTimeoutA(main, WM_POWERBROADCAST, event, 0, SMTO_BLOCK, 10000, &answer), 0);
        EXPECT_EQ(answer, static_cast<DWORD_PTR>(TRUE));
    }
    EXPECT_TRUE(HasEveryKey());
    EXPECT_EQ(ReadWholeFile(Schedules()).size(), sizeof(ScheduleRecord));
    EXPECT_TRUE(HotSyncStarts().empty());
    // A wake by itself reminds no one; a person back does.
    PostMessageA(main, WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, 0);
    Sleep(2000);
    EXPECT_TRUE(HotSyncStarts().empty());
    PostMessageA(main, WM_POWERBROADCAST, PBT_APMRESUMESUSPEND, 0);
    EXPECT_TRUE(WaitFor([&] { return !HotSyncStarts().empty(); }, 20000));
    Sleep(3000);
    const std::string starts = HotSyncStarts();
    EXPECT_EQ(std::count(starts.begin(), starts.end(), '\n'), 1) << starts;  // reminded once
    PostMessageA(IconWindowOf(main), WM_COMMAND, cmExit, 0);
    EXPECT_EQ(run.ExitCode(), 0u);
}

// As `taskkill /im corvane.exe` (without /f) and many uninstallers do: every
// top-level window of the process is sent WM_CLOSE, here while the icon's
// menu is open, which must not wait for a person.
TEST_F(ProgramRunTest, ClosedFromOutsideWithItsMenuOpenItEndsAndSaves) {
    WriteSettings("Hide=1\r\nShowHelp=0\r\nFormIndex=1\r\n");
    ProgramRun run;
    ASSERT_TRUE(run.Start(Program()));
    HWND main = run.MainWindow();
    ASSERT_NE(main, nullptr);
    PostMessageA(IconWindowOf(main), WM_TRAYNOTIFY, MAKEWPARAM(600, 500), MAKELPARAM(WM_CONTEXTMENU, kTrayIconId));
    ASSERT_TRUE(WaitFor([] { return IsWindowVisible(FindWindowA("#32768", nullptr)) != FALSE; }));
    // The hidden main window, with the conduit page's focused list, never has the keys.
    EXPECT_NE(GetForegroundWindow(), main);

    ProgramRun taskkill;
    char system[MAX_PATH];
    GetSystemDirectoryA(system, MAX_PATH);
    ASSERT_TRUE(taskkill.Start(std::string(system) + "\\taskkill.exe", "/im corvane.exe"));
    EXPECT_EQ(run.ExitCode(20000), 0u);
    EXPECT_TRUE(HasEveryKey());
    EXPECT_EQ(Setting("FormIndex"), "1");
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
    EXPECT_EQ(ReadWholeFile(Schedules()), ScheduleRecordBytes(1001, "0000", LocalClockIn(24 * 60).Date.c_str()));
    EXPECT_EQ(Setting("FormIndex"), "3");
}

// Log-off, or the Restart Manager closing applications for an installer: the
// program saves and ends by itself.
TEST_F(ProgramRunTest, ASessionEndSavesAndEndsTheProcess) {
    WriteSettings("Hide=1\r\nShowHelp=1\r\n");
    for (const auto reason : {static_cast<LPARAM>(ENDSESSION_CLOSEAPP), static_cast<LPARAM>(ENDSESSION_LOGOFF)}) {
        RemoveFile(Schedules());
        ProgramRun run;
        ASSERT_TRUE(run.Start(Program()));
        HWND main = run.MainWindow();
        ASSERT_NE(main, nullptr);
        // Opening the schedule page gives the first user a schedule: a change of this run.
        SendMessageA(IconWindowOf(main), WM_COMMAND, cmSchedule, 0);
        if (reason == ENDSESSION_CLOSEAPP) {  // while a nested loop runs
            PostMessageA(IconWindowOf(main), WM_COMMAND, cmAbout, 0);
            ASSERT_TRUE(WaitFor([&] { return FindProcessWindow(run.Id(), "TfrmAbout") != nullptr; }));
        }

        DWORD_PTR answer = 0;
        ASSERT_NE(SendMessageTimeoutA(main, WM_QUERYENDSESSION, 0, reason, SMTO_BLOCK, 10000, &answer), 0);
        EXPECT_EQ(answer, static_cast<DWORD_PTR>(TRUE));
        SendMessageTimeoutA(main, WM_ENDSESSION, TRUE, reason, SMTO_BLOCK, 10000, &answer);
        EXPECT_EQ(run.ExitCode(10000), 0u) << reason;
        EXPECT_EQ(ReadWholeFile(Schedules()).size(), sizeof(ScheduleRecord));
        EXPECT_EQ(Setting("FormIndex"), "3");
        EXPECT_TRUE(HasEveryKey());
    }
}

// A program folder whose name the ANSI code page cannot hold (the letters
// come out as "?" there): settings and schedules are written there as they
// change, and a run ended without warning loses none of them.
TEST_F(ProgramRunTest, AnyFolderNameKeepsEveryChangeThroughAnEndWithoutWarning) {
    const std::string temp = TempFolder();
    const std::wstring folder = std::wstring(temp.begin(), temp.end()) + L"Corvane \u041f\u0451\u0442\u0440";
    const std::wstring ini = folder + L"\\brightfen.ini";
    const std::wstring schedules = folder + L"\\cvdata\\cvsche.dat";
    CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring program = folder + L"\\corvane.exe";
    ASSERT_TRUE(CopyFileW((WideExeDirectory() + L"corvane.exe").c_str(), program.c_str(), FALSE));
    const auto setting = [&ini](const wchar_t* key) {
        wchar_t value[32];
        GetPrivateProfileStringW(L"CVOption", key, L"(none)", value, 32, ini.c_str());
        return std::wstring(value);
    };
    const auto scheduleBytes = [&schedules] {
        HANDLE file = CreateFileW(schedules.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        const DWORD size = file != INVALID_HANDLE_VALUE ? GetFileSize(file, nullptr) : 0;
        if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
        return size;
    };
    {
        ProgramRun run;
        ASSERT_TRUE(run.Start(program));
        HWND main = run.MainWindow();
        ASSERT_NE(main, nullptr);
        // The first start showed the window: on disk at once, with cvdata made for the schedules.
        EXPECT_TRUE(WaitFor([&] { return setting(L"Hide") == L"1"; }, 5000));
        SendMessageA(IconWindowOf(main), WM_COMMAND, cmSchedule, 0);
        EXPECT_TRUE(WaitFor([&] { return scheduleBytes() == sizeof(ScheduleRecord); }, 5000));
        EXPECT_TRUE(WaitFor([&] { return setting(L"FormIndex") == L"3"; }, 5000));
        run.Kill();
    }
    const std::wstring written = setting(L"FormIndex");
    ProgramRun again;
    ASSERT_TRUE(again.Start(program));
    HWND main = again.MainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_FALSE(IsWindowVisible(main));  // the setting of the killed run holds
    PostMessageA(IconWindowOf(main), WM_COMMAND, cmExit, 0);
    EXPECT_EQ(again.ExitCode(), 0u);
    EXPECT_EQ(written, L"3");
    EXPECT_EQ(scheduleBytes(), sizeof(ScheduleRecord));
    DeleteFileW(schedules.c_str());
    RemoveDirectoryW((folder + L"\\cvdata").c_str());
    DeleteFileW(ini.c_str());
    DeleteFileW(program.c_str());
    RemoveDirectoryW(folder.c_str());
}

}  // namespace
}  // namespace corvane
