// Window tests against a Palm Desktop of the stand-in, with a run object of
// the test's own (an empty schedule list, the settings' defaults, nothing
// saved): what the program's entry makes for a run, made fresh for each test.
#pragma once

#include <memory>

#include "palm_desktop_fixture.h"
#include "run_state.h"

namespace corvane::testing {

class RunTest : public PalmDesktopTest {
protected:
    void SetUp() override {
        PalmDesktopTest::SetUp();
        bound_ = &run_.Palm;
        run_.Lists.Schedules = std::make_unique<ScheduleList>();
    }
    void TearDown() override {
        // The lists go before their libraries, and the libraries before their folder.
        if (run_.Lists.Conduits) ConduitListFree(run_.Lists.Conduits, run_.Palm);
        if (run_.Lists.Users) UserListFree(run_.Lists.Users, run_.Palm);
        PalmDesktopTest::TearDown();
    }

    RunState run_;
};

}  // namespace corvane::testing
