#include "name_table.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace corvane {
namespace {

std::string Entry(const std::string& key, const std::string& name) {
    std::string bytes(128, '\0');
    bytes.replace(0, std::min<std::size_t>(key.size(), 64), key.substr(0, 64));
    bytes.replace(64, std::min<std::size_t>(name.size(), 64), name.substr(0, 64));
    return bytes;
}

ConduitNameTable Table(const std::string& bytes) {
    ConduitNameTable table;
    AppendNameEntries(table, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
    return table;
}

std::string Lookup(const ConduitNameTable& table, const char* key, int expected) {
    char name[64];
    std::memset(name, 'x', sizeof name);
    EXPECT_EQ(NameTableLookup(&table, key, name, FoldAsciiToUpper), expected) << key;
    return std::string(name, strnlen(name, sizeof name));
}

TEST(NameTable, ThreeHundredBytesGiveTwoEntries) {
    const std::string bytes = Entry("date", "Date Book") + Entry("addr", "Address Book") + std::string(44, 'z');
    const std::string path = ::testing::TempDir() + "cvwkcond_test.dat";
    std::FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
    ConduitNameTable table;
    EXPECT_EQ(NameTableLoadFile(table, path.c_str()), 1);
    std::remove(path.c_str());
    EXPECT_EQ(NameTableCount(&table), 2);
    EXPECT_STREQ(NameTableAt(&table, 1)->DisplayName, "Address Book");
    EXPECT_EQ(NameTableAt(&table, 2), nullptr);
    EXPECT_EQ(NameTableAt(&table, -1), nullptr);
}

TEST(NameTable, MissingFileOrNoPathGivesAnEmptyTable) {
    ConduitNameTable table = Table(Entry("date", "Date Book"));
    EXPECT_EQ(NameTableLoadFile(table, (::testing::TempDir() + "no_such_file.dat").c_str()), 0);
    EXPECT_EQ(NameTableCount(&table), 0);
    EXPECT_EQ(NameTableLoadFile(table, nullptr), 0);
    EXPECT_EQ(NameTableCount(nullptr), 0);
}

TEST(NameTable, KeysMatchWithoutRegardToCase) {
    const ConduitNameTable table = Table(Entry("date", "Date Book") + Entry("ADDR", "Address Book"));
    EXPECT_EQ(Lookup(table, "DATE", 1), "Date Book");
    EXPECT_EQ(Lookup(table, "Date", 1), "Date Book");
    EXPECT_EQ(Lookup(table, "addr", 1), "Address Book");
    EXPECT_EQ(Lookup(table, "dat", 0), "");
    EXPECT_EQ(Lookup(table, "dates", 0), "");
}

TEST(NameTable, OnlyTheFirstOfDuplicateKeysCounts) {
    const ConduitNameTable table = Table(Entry("memo", "") + Entry("MEMO", "Memo Pad") + Entry("todo", "To Do") +
                                         Entry("todo", "Tasks"));
    EXPECT_EQ(Lookup(table, "memo", 0), "");
    EXPECT_EQ(Lookup(table, "todo", 1), "To Do");
}

TEST(NameTable, AnEmptyKeyOrNoDestinationChangesNothing) {
    const ConduitNameTable table = Table(Entry("date", "Date Book"));
    char name[64] = "kept";
    EXPECT_EQ(NameTableLookup(&table, "", name, FoldAsciiToUpper), 0);
    EXPECT_EQ(NameTableLookup(&table, nullptr, name, FoldAsciiToUpper), 0);
    EXPECT_STREQ(name, "kept");
    EXPECT_EQ(NameTableLookup(&table, "date", nullptr, FoldAsciiToUpper), 0);
    EXPECT_EQ(NameTableLookup(nullptr, "date", name, FoldAsciiToUpper), 0);
    EXPECT_STREQ(name, "");
}

TEST(NameTable, FieldsWithoutTerminatorsStayWithinTheirWidth) {
    const std::string key(64, 'k');
    const ConduitNameTable table = Table(Entry(key, std::string(64, 'n')));
    EXPECT_EQ(Lookup(table, key.c_str(), 1), std::string(63, 'n'));
    EXPECT_EQ(Lookup(table, (key + "k").c_str(), 0), "");
}

}  // namespace
}  // namespace corvane
