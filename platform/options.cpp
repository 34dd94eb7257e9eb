#include "options.h"

#include "file_replace.h"
#include "fixed_text.h"
#include "option_values.h"

namespace corvane {
namespace {

constexpr char kSection[] = "CVOption";
constexpr wchar_t kSectionW[] = L"CVOption";
constexpr wchar_t kIniFileName[] = L"brightfen.ini";

struct OptionKey {
    const char* Name;
    const wchar_t* WideName;
    int32_t TOptions::*Field;
    bool IsFlag;  // a flag counts as set only when its value is exactly 1
};

// The keys in the order in which they are read and written.
constexpr OptionKey kKeys[] = {
    {"ShowHelp", L"ShowHelp", &TOptions::ShowHelp, true},
    {"Hide", L"Hide", &TOptions::Hide, true},
    {"UpdatePermanent", L"UpdatePermanent", &TOptions::UpdatePermanent, true},
    {"FormIndex", L"FormIndex", &TOptions::FormIndex, false},
    {"RemindIndex", L"RemindIndex", &TOptions::RemindIndex, false},
    {"RemindSec", L"RemindSec", &TOptions::RemindSec, false},
    {"RemindMin", L"RemindMin", &TOptions::RemindMin, false},
    {"RemindDetail", L"RemindDetail", &TOptions::RemindDetail, false},
};

// The value of one key as the INI reader gives it, or the field's default.
int32_t StoredValue(const TOptions& options, const OptionKey& key) {
    static const TOptions defaults;
    const int32_t fallback = defaults.*key.Field;
    if (options.Stored != FileLoad::Read) return fallback;
    const UINT stored = GetPrivateProfileIntW(kSectionW, key.WideName, fallback, options.IniFile);
    return OptionFromStored(key.IsFlag, stored);
}

// The text of the settings' section, header and keys in order.
std::string SectionText(const TOptions& options) {
    std::string text = std::string("[") + kSection + "]\r\n";
    for (const OptionKey& key : kKeys) {
        char value[kOptionTextSize];
        OptionText(key.IsFlag, options.*key.Field, value);
        text += std::string(key.Name) + "=" + value + "\r\n";
    }
    return text;
}

// Reads IniFile's text into OnDisk and gives how that went.
FileLoad ReadStored(TOptions& options, DWORD* reason) {
    if (options.IniFile[0] == L'\0') return FileLoad::NoPath;
    return ReadWholeFile(options.IniFile, options.OnDisk, reason);
}

}  // namespace

FileLoad TOptions::Load(DWORD* reason) {
    WidePath path;
    if (GetExeDir(&path) == 0 || !AppendText(path, kPathSize, kIniFileName)) path[0] = L'\0';
    return LoadFrom(path, reason);
}

FileLoad TOptions::LoadFrom(const wchar_t* iniFile, DWORD* reason) {
    if (iniFile == nullptr || !CopyField(IniFile, kPathSize, iniFile, kPathSize)) IniFile[0] = L'\0';
    Stored = ReadStored(*this, reason);
    for (const OptionKey& key : kKeys) this->*key.Field = StoredValue(*this, key);
    return Stored;
}

FileLoad TOptions::Reload(DWORD* reason) {
    if (Stored != FileLoad::Unreadable) return Stored;
    Stored = ReadStored(*this, reason);
    if (Stored == FileLoad::Unreadable) return Stored;
    static const TOptions defaults;
    for (const OptionKey& key : kKeys) {
        if (this->*key.Field == defaults.*key.Field) this->*key.Field = StoredValue(*this, key);
    }
    return Stored;
}

bool TOptions::Unsaved() const {
    return Stored != FileLoad::Read || SettingsFileText(OnDisk, kSection, SectionText(*this)) != OnDisk;
}

int TOptions::Save(DWORD* reason) {
    DWORD ignored = ERROR_SUCCESS;
    if (reason == nullptr) reason = &ignored;
    if (IniFile[0] == L'\0') {
        *reason = ERROR_FILENAME_EXCED_RANGE;
        return 0;
    }
    if (!MayReplace(Stored)) {
        *reason = ERROR_INVALID_DATA;
        return 0;
    }
    if (!Unsaved()) return 1;
    std::string text = SettingsFileText(OnDisk, kSection, SectionText(*this));
    if (ReplaceFileContents(IniFile, text.data(), text.size(), reason) == 0) return 0;
    OnDisk = std::move(text);
    Stored = FileLoad::Read;
    return 1;
}

}  // namespace corvane
