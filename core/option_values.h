// How the values of the settings file become the settings' fields, and the
// texts the fields are written back as.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace corvane {

// A key's value as the settings file gave it (32 bits, as the INI reader
// returns it) made a field: a flag counts as set only when the value is
// exactly 1; a number stays as read.
int32_t OptionFromStored(bool isFlag, uint32_t stored);

// Room for "-2147483648" and its terminator.
inline constexpr std::size_t kOptionTextSize = 12;

// The text a field is written as: "1" or "0" for a flag (set when non-zero),
// the decimal number otherwise.
void OptionText(bool isFlag, int32_t value, char (&text)[kOptionTextSize]);

// The settings' eight values, and which of them the person set this run.
struct OptionFields {
    int32_t ShowHelp = 1;         // 1: the main window opens on the introduction page
    int32_t FormIndex = 3;        // the page shown last: 0 introduction, 1 conduits, 2 users, 3 schedule
    int32_t Hide = 0;             // 1: the main window stays hidden at start-up
    int32_t RemindIndex = 2;      // the reminder's last choice: 1 sync now, 2 remind later, 3 skip
    int32_t RemindSec = 30;       // seconds the reminder counts down
    int32_t RemindMin = 5;        // minutes first offered as the reminder's delay
    int32_t RemindDetail = 1;     // non-zero: the reminder lists the due users
    int32_t UpdatePermanent = 0;  // 1: a conduit action also becomes the user's permanent one
    uint32_t SetByPerson = 0;     // one bit per key, in the file's order

    // The person set `field` to `value` (by hand, or by answering a reminder).
    void PersonSet(int32_t OptionFields::*field, int32_t value);
};

// Every field takes its value from the settings file's bytes `file` (its
// default where the key is missing); with `keepPersons` a field the person
// set keeps its own, also one set back to its default.
void ReadOptionFields(OptionFields& fields, const std::string& file, bool keepPersons);

// The settings file's new bytes: `previous` with every key set to its
// field, in the encoding `previous` came in, every other line kept.
std::string OptionFileBytes(const OptionFields& fields, const std::string& previous);

}  // namespace corvane
