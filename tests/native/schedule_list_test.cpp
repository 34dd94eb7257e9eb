#include "schedule_list.h"

#include <gtest/gtest.h>

#include "schedule_test_support.h"

namespace corvane {
namespace {

using testing::NewRecord;

TEST(ScheduleList, NullHolderIsAnEmptyList) {
    ScheduleListHolder holder;
    EXPECT_EQ(ScheduleListCount(holder), 0);
    EXPECT_EQ(ScheduleListAt(holder, 0), nullptr);
    EXPECT_EQ(ScheduleListFind(holder, 1), nullptr);
    EXPECT_EQ(ScheduleListAdd(holder, NewRecord(1)), 0);
    ScheduleListClear(holder);
    EXPECT_EQ(holder, nullptr);
}

TEST(ScheduleList, AddKeepsOrderAndRecordAddresses) {
    ScheduleListHolder holder = std::make_unique<ScheduleList>();
    EXPECT_EQ(ScheduleListAdd(holder, nullptr), 0);
    ASSERT_EQ(ScheduleListAdd(holder, NewRecord(10)), 1);
    ScheduleRecord* first = ScheduleListAt(holder, 0);
    for (uint32_t id = 11; id < 200; ++id) ASSERT_EQ(ScheduleListAdd(holder, NewRecord(id)), 1);
    EXPECT_EQ(ScheduleListCount(holder), 190);
    EXPECT_EQ(ScheduleListAt(holder, 0), first);
    EXPECT_EQ(ScheduleListAt(holder, 189)->UserID, 199u);
    EXPECT_EQ(ScheduleListAt(holder, 190), nullptr);
    EXPECT_EQ(ScheduleListAt(holder, -1), nullptr);
}

TEST(ScheduleList, FindGivesTheFirstRecordOfAUser) {
    ScheduleListHolder holder = std::make_unique<ScheduleList>();
    ScheduleListAdd(holder, NewRecord(7, "20040101"));
    ScheduleListAdd(holder, NewRecord(8, "20040102"));
    ScheduleListAdd(holder, NewRecord(7, "20040103"));
    EXPECT_EQ(ScheduleListFind(holder, 7), ScheduleListAt(holder, 0));
    EXPECT_EQ(ScheduleListFind(holder, 8), ScheduleListAt(holder, 1));
    EXPECT_EQ(ScheduleListFind(holder, 9), nullptr);
    ScheduleListClear(holder);
    EXPECT_EQ(holder, nullptr);
}

}  // namespace
}  // namespace corvane
