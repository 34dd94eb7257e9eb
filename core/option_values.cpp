#include "option_values.h"

#include <cstdio>
#include <iterator>
#include <string>

#include "settings_text.h"

namespace corvane {

int32_t OptionFromStored(bool isFlag, uint32_t stored) {
    const auto value = static_cast<int32_t>(stored);
    if (!isFlag) return value;
    return value == 1 ? 1 : 0;
}

void OptionText(bool isFlag, int32_t value, char (&text)[kOptionTextSize]) {
    if (isFlag) {
        std::snprintf(text, sizeof text, "%s", value != 0 ? "1" : "0");
    } else {
        std::snprintf(text, sizeof text, "%d", static_cast<int>(value));
    }
}

namespace {

constexpr char kSection[] = "CVOption";

struct OptionKey {
    const char* Name;
    int32_t OptionFields::*Field;
    bool IsFlag;  // a flag counts as set only when its value is exactly 1
};

// The keys in the order in which they are read and written.
constexpr OptionKey kKeys[] = {
    {"ShowHelp", &OptionFields::ShowHelp, true},
    {"Hide", &OptionFields::Hide, true},
    {"UpdatePermanent", &OptionFields::UpdatePermanent, true},
    {"FormIndex", &OptionFields::FormIndex, false},
    {"RemindIndex", &OptionFields::RemindIndex, false},
    {"RemindSec", &OptionFields::RemindSec, false},
    {"RemindMin", &OptionFields::RemindMin, false},
    {"RemindDetail", &OptionFields::RemindDetail, false},
};

}  // namespace

void OptionFields::PersonSet(int32_t OptionFields::*field, int32_t value) {
    this->*field = value;
    for (std::size_t i = 0; i < std::size(kKeys); ++i) {
        if (kKeys[i].Field == field) SetByPerson |= 1u << i;
    }
}

void ReadOptionFields(OptionFields& fields, const std::string& file, bool keepPersons) {
    static const OptionFields defaults;
    const SettingsText text = DecodeSettingsText(file);
    for (std::size_t i = 0; i < std::size(kKeys); ++i) {
        const OptionKey& key = kKeys[i];
        if (keepPersons && (fields.SetByPerson & 1u << i) != 0) continue;
        const int32_t fallback = defaults.*key.Field;
        std::string value;
        fields.*key.Field = FindSetting(text, kSection, key.Name, value)
                                ? OptionFromStored(key.IsFlag, ProfileInteger(value, static_cast<uint32_t>(fallback)))
                                : fallback;
    }
}

std::string OptionFileBytes(const OptionFields& fields, const std::string& previous) {
    SettingsText text = DecodeSettingsText(previous);
    SettingValues values;
    for (const OptionKey& key : kKeys) {
        char value[kOptionTextSize];
        OptionText(key.IsFlag, fields.*key.Field, value);
        values.emplace_back(key.Name, value);
    }
    SetSettings(text, kSection, values);
    return EncodeSettingsText(text);
}

}  // namespace corvane
