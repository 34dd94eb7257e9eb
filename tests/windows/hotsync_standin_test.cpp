#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "palm_desktop_fixture.h"

namespace corvane {
namespace {

using HotSyncStandInTest = testing::PalmDesktopTest;

TEST_F(HotSyncStandInTest, RecordsEachStart) {
    const std::string program = desktop_ + "\\HOTSYNC.EXE";
    std::string commandLine = "\"" + program + "\" /check";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               desktop_.c_str(), &startup, &process));
    EXPECT_EQ(WaitForSingleObject(process.hProcess, 20000), WAIT_OBJECT_0);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    const std::string log = testing::ReadWholeFile(desktop_ + "\\hotsync-starts.log");
    EXPECT_NE(log.find("|" + desktop_ + "|\"" + program + "\" /check\r\n"), std::string::npos) << log;
}

}  // namespace
}  // namespace corvane
