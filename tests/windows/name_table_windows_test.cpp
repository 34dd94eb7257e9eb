#include <gtest/gtest.h>

#include <cstring>

#include "shared_lists.h"

namespace corvane {
namespace {

TEST(ShippedNameTable, LoadsFromTheDataFolderAndMatchesAnyCase) {
    int loaded = 0;
    auto table = NameTableLoad(&loaded);
    ASSERT_EQ(loaded, 1);
    EXPECT_GE(NameTableCount(table.get()), 8);
    char name[256];
    ASSERT_EQ(NameTableLookup(table.get(), "DATE", name), 1);
    EXPECT_STREQ(name, "Date Book");
    ASSERT_EQ(NameTableLookup(table.get(), "bkup", name), 1);
    EXPECT_STREQ(name, "Backup");
    EXPECT_EQ(NameTableLookup(table.get(), "zzzz", name), 0);
    EXPECT_STREQ(name, "");
    NameTableFree(table);
    EXPECT_EQ(table, nullptr);
}

}  // namespace
}  // namespace corvane
