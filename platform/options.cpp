#include "options.h"

#include "file_replace.h"
#include "fixed_text.h"
#include "option_values.h"

namespace corvane {
namespace {

constexpr wchar_t kIniFileName[] = L"brightfen.ini";

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
    ReadOptionFields(*this, Stored == FileLoad::Read ? OnDisk : std::string(), false);
    return Stored;
}

FileLoad TOptions::Reload(DWORD* reason) {
    if (Stored != FileLoad::Unreadable) return Stored;
    Stored = ReadStored(*this, reason);
    if (Stored == FileLoad::Unreadable) return Stored;
    ReadOptionFields(*this, Stored == FileLoad::Read ? OnDisk : std::string(), true);
    return Stored;
}

bool TOptions::Unsaved() const {
    return Stored != FileLoad::Read || OptionFileBytes(*this, OnDisk) != OnDisk;
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
    std::string text = OptionFileBytes(*this, OnDisk);
    if (ReplaceFileContents(IniFile, text.data(), text.size(), reason) == 0) return 0;
    OnDisk = std::move(text);
    Stored = FileLoad::Read;
    return 1;
}

}  // namespace corvane
