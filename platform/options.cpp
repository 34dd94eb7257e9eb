#include "options.h"

#include <windows.h>

#include <cstdio>

#include "fixed_text.h"

namespace corvane {
namespace {

constexpr char kSection[] = "CVOption";
constexpr char kIniFileName[] = "brightfen.ini";

struct OptionKey {
    const char* Name;
    int32_t TOptions::*Field;
    bool IsFlag;  // a flag counts as set only when its value is exactly 1
};

// The keys in the order in which they are read and written.
constexpr OptionKey kKeys[] = {
    {"ShowHelp", &TOptions::ShowHelp, true},
    {"Hide", &TOptions::Hide, true},
    {"UpdatePermanent", &TOptions::UpdatePermanent, true},
    {"FormIndex", &TOptions::FormIndex, false},
    {"RemindIndex", &TOptions::RemindIndex, false},
    {"RemindSec", &TOptions::RemindSec, false},
    {"RemindMin", &TOptions::RemindMin, false},
    {"RemindDetail", &TOptions::RemindDetail, false},
};

void ReadKeys(TOptions& options) {
    const TOptions defaults;
    for (const OptionKey& key : kKeys) {
        const int32_t fallback = defaults.*key.Field;
        if (options.IniFile[0] == '\0') {
            options.*key.Field = fallback;
            continue;
        }
        const auto value = static_cast<int32_t>(GetPrivateProfileIntA(kSection, key.Name, fallback, options.IniFile));
        options.*key.Field = key.IsFlag ? (value == 1 ? 1 : 0) : value;
    }
}

}  // namespace

int TOptions::Load() {
    PathBuffer path;
    if (GetExeDir(&path) == 0 || !AppendText(path, kPathSize, kIniFileName)) path[0] = '\0';
    return LoadFrom(path);
}

int TOptions::LoadFrom(const char* iniFile) {
    if (iniFile == nullptr || !CopyField(IniFile, kPathSize, iniFile, kPathSize)) IniFile[0] = '\0';
    ReadKeys(*this);
    return 1;
}

int TOptions::Save() const {
    if (IniFile[0] == '\0') return 1;
    for (const OptionKey& key : kKeys) {
        const int32_t value = this->*key.Field;
        char text[16];
        if (key.IsFlag) {
            std::snprintf(text, sizeof text, "%s", value != 0 ? "1" : "0");
        } else {
            std::snprintf(text, sizeof text, "%d", static_cast<int>(value));
        }
        WritePrivateProfileStringA(kSection, key.Name, text, IniFile);
    }
    return 1;
}

}  // namespace corvane
