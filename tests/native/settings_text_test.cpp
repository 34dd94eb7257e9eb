#include <gtest/gtest.h>

#include <string>

#include "option_values.h"
#include "settings_text.h"

namespace corvane {
namespace {

std::string Utf16Le(const std::string& ascii) {
    std::string bytes = "\xFF\xFE";
    for (char c : ascii) bytes += std::string{c, '\0'};
    return bytes;
}

std::string Written(const std::string& previous) {
    SettingsText text = DecodeSettingsText(previous);
    SetSettings(text, "CVOption", {{"ShowHelp", "0"}, {"FormIndex", "2"}});
    return EncodeSettingsText(text);
}

// Only the lines of the keys written change, in the file's own encoding.
TEST(SettingsText, WritesOnlyItsKeysInTheFilesEncoding) {
    const struct {
        std::string previous;
        std::string written;
    } rows[] = {
        {"", "[CVOption]\r\nShowHelp=0\r\nFormIndex=2\r\n"},
        // Comments and unknown keys inside the section stay where they are.
        {"; mine\r\n[CVOption]\r\n; note\r\nshowhelp = 1\r\nColour=red\r\n\r\n[Other]\r\nFormIndex=7",
         "; mine\r\n[CVOption]\r\n; note\r\nshowhelp =0\r\nColour=red\r\nFormIndex=2\r\n\r\n[Other]\r\nFormIndex=7"},
        {"[Other]\nA=1\n[ cvoption ]\nFormIndex=3", "[Other]\nA=1\n[ cvoption ]\nFormIndex=2\nShowHelp=0\n"},
        // Each key's line is changed where it stands, whatever the order.
        {"[CVOption]\r\nFormIndex=12345\r\nShowHelp=1\r\n", "[CVOption]\r\nFormIndex=2\r\nShowHelp=0\r\n"},
        // A second section of the same name is not the one read: it stays.
        {"[CVOption]\r\n[CVOption]\r\nShowHelp=1\r\n", "[CVOption]\r\nShowHelp=0\r\nFormIndex=2\r\n[CVOption]\r\nShowHelp=1\r\n"},
        // The UTF-8 mark is no part of the first line, and stays.
        {"\xEF\xBB\xBF[CVOption]\r\nShowHelp=1\r\n", "\xEF\xBB\xBF[CVOption]\r\nShowHelp=0\r\nFormIndex=2\r\n"},
        {Utf16Le("[CVOption]\r\n;x\r\nFormIndex=1\r\n"), Utf16Le("[CVOption]\r\n;x\r\nFormIndex=2\r\nShowHelp=0\r\n")},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(Written(row.previous), row.written) << row.previous;
        EXPECT_EQ(Written(row.written), row.written) << "written again: " << row.written;
    }
}

// Values are found as the profile reader finds them, in every encoding.
TEST(SettingsText, FindsValuesAsTheProfileReaderDoes) {
    const struct {
        std::string file;
        const char* key;
        bool found;
        uint32_t value;
    } rows[] = {
        {"[CVOption]\r\nRemindSec = \"45\"\r\n", "RemindSec", true, 45},
        {"[Other]\r\nRemindSec=45\r\n[CVOption]\r\nremindsec=12abc\r\n", "RemindSec", true, 12},
        {"[CVOption]\r\nRemindSec=\r\n", "RemindSec", true, 30},
        {"[CVOption]\r\nRemindSec=-1\r\nRemindSec=3\r\n", "RemindSec", true, 0xFFFFFFFFu},
        {"[CVOption]\r\nRemindSec=4294967297\r\n", "RemindSec", true, 1},
        {"[CVOption]\r\nRemindSec=0x10\r\n", "RemindSec", true, 16},
        {"[CVOption]\r\n[Next]\r\nRemindSec=5\r\n", "RemindSec", false, 30},
        {"\xEF\xBB\xBF[CVOption]\nHide=1\n", "Hide", true, 1},
        {Utf16Le("[CVOption]\r\nHide=1\r\n"), "Hide", true, 1},
    };
    for (const auto& row : rows) {
        std::string value;
        const bool found = FindSetting(DecodeSettingsText(row.file), "CVOption", row.key, value);
        EXPECT_EQ(found, row.found) << row.file;
        EXPECT_EQ(found ? ProfileInteger(value, 30) : 30u, row.value) << row.file;
    }
}

// A late read of a file that could not be read: the fields the person set
// keep their values, field by field, also one set back to its default;
// every other field takes the file's value.
TEST(OptionFields, OnALateReadThePersonsSettingsWin) {
    OptionFields fields;
    fields.PersonSet(&OptionFields::UpdatePermanent, 1);
    fields.PersonSet(&OptionFields::UpdatePermanent, 0);
    fields.PersonSet(&OptionFields::FormIndex, 2);
    fields.RemindIndex = 3;  // a value the program set, not the person
    ReadOptionFields(fields, "[CVOption]\r\nUpdatePermanent=1\r\nFormIndex=1\r\nRemindSec=45\r\nRemindIndex=1\r\n", true);
    EXPECT_EQ(fields.UpdatePermanent, 0);
    EXPECT_EQ(fields.FormIndex, 2);
    EXPECT_EQ(fields.RemindIndex, 1);
    EXPECT_EQ(fields.RemindSec, 45);
    EXPECT_EQ(fields.ShowHelp, 1);  // missing in the file: its default
    EXPECT_EQ(OptionFileBytes(fields, "[CVOption]\r\nUpdatePermanent=1\r\n"),
              "[CVOption]\r\nUpdatePermanent=0\r\nShowHelp=1\r\nHide=0\r\nFormIndex=2\r\nRemindIndex=1\r\n"
              "RemindSec=45\r\nRemindMin=5\r\nRemindDetail=1\r\n");
}

}  // namespace
}  // namespace corvane
