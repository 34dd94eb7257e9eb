#include "options.h"

#include <iterator>

#include "file_replace.h"
#include "fixed_text.h"
#include "option_values.h"
#include "settings_text.h"

namespace corvane {
namespace {

constexpr char kSection[] = "CVOption";
constexpr wchar_t kIniFileName[] = L"brightfen.ini";

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

// The value of one key as the file holds it, or the field's default.
int32_t StoredValue(const TOptions& options, const SettingsText& text, const OptionKey& key) {
    static const TOptions defaults;
    const int32_t fallback = defaults.*key.Field;
    std::string value;
    if (options.Stored != FileLoad::Read || !FindSetting(text, kSection, key.Name, value)) return fallback;
    return OptionFromStored(key.IsFlag, ProfileInteger(value, static_cast<uint32_t>(fallback)));
}

// The file's text with every key set to its field, in the file's encoding.
std::string FileText(const TOptions& options) {
    SettingsText text = DecodeSettingsText(options.OnDisk);
    SettingValues values;
    for (const OptionKey& key : kKeys) {
        char value[kOptionTextSize];
        OptionText(key.IsFlag, options.*key.Field, value);
        values.emplace_back(key.Name, value);
    }
    SetSettings(text, kSection, values);
    return EncodeSettingsText(text);
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
    SetByPerson = 0;
    const SettingsText text = DecodeSettingsText(OnDisk);
    for (const OptionKey& key : kKeys) this->*key.Field = StoredValue(*this, text, key);
    return Stored;
}

FileLoad TOptions::Reload(DWORD* reason) {
    if (Stored != FileLoad::Unreadable) return Stored;
    Stored = ReadStored(*this, reason);
    if (Stored == FileLoad::Unreadable) return Stored;
    const SettingsText text = DecodeSettingsText(OnDisk);
    for (std::size_t i = 0; i < std::size(kKeys); ++i) {
        if ((SetByPerson & 1u << i) == 0) this->*kKeys[i].Field = StoredValue(*this, text, kKeys[i]);
    }
    return Stored;
}

void TOptions::PersonSet(int32_t TOptions::*field, int32_t value) {
    this->*field = value;
    for (std::size_t i = 0; i < std::size(kKeys); ++i) {
        if (kKeys[i].Field == field) SetByPerson |= 1u << i;
    }
}

bool TOptions::Unsaved() const {
    return Stored != FileLoad::Read || FileText(*this) != OnDisk;
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
    std::string text = FileText(*this);
    if (ReplaceFileContents(IniFile, text.data(), text.size(), reason) == 0) return 0;
    OnDisk = std::move(text);
    Stored = FileLoad::Read;
    return 1;
}

}  // namespace corvane
