#include "options.h"

#include <windows.h>

#include "fixed_text.h"
#include "option_values.h"

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
        const UINT stored = GetPrivateProfileIntA(kSection, key.Name, fallback, options.IniFile);
        options.*key.Field = OptionFromStored(key.IsFlag, stored);
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
        char text[kOptionTextSize];
        OptionText(key.IsFlag, this->*key.Field, text);
        WritePrivateProfileStringA(kSection, key.Name, text, IniFile);
    }
    return 1;
}

}  // namespace corvane
