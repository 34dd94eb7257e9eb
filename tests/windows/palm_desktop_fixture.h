// Tests against a Palm Desktop of the stand-in: each test gets a fresh one in
// a folder whose name has a space, named in the registry and made the current
// directory (as start-up does), and everything is unbound and removed after it.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "fixture.h"
#include "palm_libraries.h"
#include "win_test_support.h"

namespace corvane::testing {

class PalmDesktopTest : public ::testing::Test {
protected:
    void SetUp() override {
        char current[MAX_PATH];
        GetCurrentDirectoryA(MAX_PATH, current);
        savedDirectory_ = current;
        desktop_ = TempFolder() + "Palm Desktop";
        RemoveTree(desktop_);
        ASSERT_TRUE(palmsim::CreatePalmDesktop(desktop_, Kind()));
        ASSERT_TRUE(palmsim::RegisterDesktopPath(desktop_));
        SetCurrentDirectoryA(desktop_.c_str());
        SetState("Quirks", "QuietLog", "1");
    }

    void TearDown() override {
        // Unbound before the folder goes, or its libraries stay in use.
        UnloadCondMgr(*bound_);
        UnloadUserData(*bound_);
        UnloadHsApi(*bound_);
        SetCurrentDirectoryA(savedDirectory_.c_str());
        palmsim::UnregisterDesktopPath();
        RemoveTree(desktop_);
    }

    virtual palmsim::DesktopKind Kind() const { return palmsim::DesktopKind::Demo; }

    std::string StateFile() const { return desktop_ + "\\palmsim.ini"; }

    void SetState(const char* section, const char* key, const std::string& value) const {
        WritePrivateProfileStringA(section, key, value.c_str(), StateFile().c_str());
    }

    std::string State(const char* section, const char* key) const {
        char value[1024];
        GetPrivateProfileStringA(section, key, "(none)", value, sizeof value, StateFile().c_str());
        return value;
    }

    std::string desktop_;  // no trailing backslash
    PalmBindings palm_;
    PalmBindings* bound_ = &palm_;  // the bindings the test binds: its own, or its run object's

private:
    std::string savedDirectory_;
};

}  // namespace corvane::testing
