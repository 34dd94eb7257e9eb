#include <gtest/gtest.h>
#include <windows.h>

#include "library_module.h"

namespace corvane {
namespace {

TEST(LibrarySearch, OnlyFullPathsBind) {
    const struct {
        const char* path;
        bool full;
    } rows[] = {{"C:\\Palm\\condmgr.dll", true}, {"c:/Palm/condmgr.dll", true}, {"\\\\server\\Palm\\a.dll", true},
                {"condmgr.dll", false},          {"Palm\\condmgr.dll", false},  {"C:condmgr.dll", false},
                {"\\Palm\\condmgr.dll", false},  {"", false},                   {nullptr, false}};
    for (const auto& row : rows) {
        const char* shown = row.path != nullptr ? row.path : "(null)";
        EXPECT_EQ(IsFullPath(row.path), row.full) << shown;
        if (!row.full) {
            EXPECT_FALSE(LoadPalmModule(row.path)) << shown;
        }
    }
}

// The system's own libraries still load by name once the search is restricted.
TEST(LibrarySearch, RestrictingKeepsTheSystemFoldersInTheSearch) {
    RestrictLibrarySearch();
    HMODULE module = LoadLibraryA("version.dll");
    EXPECT_NE(module, nullptr);
    if (module != nullptr) FreeLibrary(module);
}

}  // namespace
}  // namespace corvane
