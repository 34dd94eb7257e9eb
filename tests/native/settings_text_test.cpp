#include <gtest/gtest.h>

#include <string>

#include "option_values.h"

namespace corvane {
namespace {

// The settings file is written whole: the section replaced, the rest kept.
TEST(SettingsFileText, ReplacesTheSectionAndKeepsEverythingElse) {
    const std::string ours = "[CVOption]\r\nShowHelp=0\r\n";
    const struct {
        const char* previous;
        const char* written;
    } rows[] = {
        {"", "[CVOption]\r\nShowHelp=0\r\n"},
        {"[CVOption]\r\nShowHelp=1\r\nHide=1\r\n", "[CVOption]\r\nShowHelp=0\r\n"},
        {"; note\r\n[Other]\r\nKeep=me", "; note\r\n[CVOption]\r\nShowHelp=0\r\n[Other]\r\nKeep=me\r\n"},
        {"[Other]\nA=1\n [cvoption] \nShowHelp=1\n[More]\nB=2\n",
         "[CVOption]\r\nShowHelp=0\r\n[Other]\nA=1\n[More]\nB=2\n"},
        {"[CVOption]\r\nX=1\r\n[CVOPTION]\r\nY=2\r\n", "[CVOption]\r\nShowHelp=0\r\n"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(SettingsFileText(row.previous, "CVOption", ours), row.written) << row.previous;
    }
}

}  // namespace
}  // namespace corvane
