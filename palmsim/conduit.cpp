// A stand-in conduit module. One source builds every conduit: the name, the
// default action and the behaviour come from compile definitions.
//
// PALMSIM_CONDUIT_NAME     the conduit's name ("" for a conduit without one)
// PALMSIM_CONDUIT_DEFAULT  the sync action code it reports as its default
// PALMSIM_CONDUIT_DIALOG   ConfigureConduit shows a modal dialog to pick the sync type
// PALMSIM_CONDUIT_SCRIPTED ConfigureConduit answers [Scripted] SyncType and Result of the state file
// PALMSIM_CONDUIT_FAILING  ConfigureConduit returns -100 after setting sync type 6
// PALMSIM_WITHOUT_INFO     no GetConduitInfo export
// PALMSIM_WITHOUT_CONFIGURE no ConfigureConduit export
//
// Every ConfigureConduit call records the record it received under
// [Configured <name>] in the state file.
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>

#include "conduit_dialog.h"
#include "conduit_module.h"
#include "state_file.h"

#define PALMSIM_CONDUIT_EXPORT extern "C" __declspec(dllexport)

namespace {

using corvane::ConduitConfigRecord;

constexpr char kName[] = PALMSIM_CONDUIT_NAME;
constexpr int32_t kSyncTypes[] = {0, 3, 2, 6};  // in the dialog's button order
constexpr int kButtons[] = {IDC_SYNCHRONIZE, IDC_PC_TO_HH, IDC_HH_TO_PC, IDC_DO_NOTHING};

void RecordCall(const ConduitConfigRecord& record) {
    const std::string section = std::string("Configured ") + (kName[0] != '\0' ? kName : "(unnamed)");
    palmsim::WriteText(section, "Directory", std::string(record.Directory, strnlen(record.Directory, 516)));
    palmsim::WriteInt(section, "Interface", record.Interface);
    palmsim::WriteInt(section, "SyncType", record.SyncType);
    palmsim::WriteInt(section, "Calls", palmsim::ReadInt(section, "Calls", 0) + 1);
}

[[maybe_unused]] HINSTANCE OwnInstance() {
    HMODULE self = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(&RecordCall), &self);
    return self;
}

[[maybe_unused]] INT_PTR CALLBACK SettingsProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG: {
            SetWindowLongPtrA(dialog, DWLP_USER, lParam);
            const auto* record = reinterpret_cast<const ConduitConfigRecord*>(lParam);
            SetWindowTextA(dialog, (std::string(kName) + " Settings").c_str());
            SetDlgItemTextA(dialog, IDC_DIRECTORY, record->Directory);
            int checked = IDC_SYNCHRONIZE;
            for (int i = 0; i < 4; ++i) {
                if (kSyncTypes[i] == record->SyncType) checked = kButtons[i];
            }
            CheckRadioButton(dialog, IDC_SYNCHRONIZE, IDC_DO_NOTHING, checked);
            return TRUE;
        }
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK) {
                auto* record = reinterpret_cast<ConduitConfigRecord*>(GetWindowLongPtrA(dialog, DWLP_USER));
                for (int i = 0; i < 4; ++i) {
                    if (IsDlgButtonChecked(dialog, kButtons[i]) == BST_CHECKED) record->SyncType = kSyncTypes[i];
                }
                EndDialog(dialog, IDOK);
                return TRUE;
            }
            if (LOWORD(wParam) == IDCANCEL) {
                EndDialog(dialog, IDCANCEL);
                return TRUE;
            }
            break;
        default:
            break;
    }
    return FALSE;
}

}  // namespace

#if !defined(PALMSIM_WITHOUT_INFO)
PALMSIM_CONDUIT_EXPORT int32_t CONDUIT_API GetConduitInfo(int32_t kind, void*, void* output, uint32_t* outputSize) {
    if (kind != corvane::kConduitInfoDefaultAction || output == nullptr || outputSize == nullptr ||
        *outputSize < sizeof(int32_t)) {
        return -1;
    }
    const int32_t action = PALMSIM_CONDUIT_DEFAULT;
    std::memcpy(output, &action, sizeof action);
    *outputSize = sizeof action;
    return 0;
}
#endif

PALMSIM_CONDUIT_EXPORT int32_t CONDUIT_API GetConduitName(char* name, uint16_t length) {
    if (name == nullptr || length == 0) return -1;
    const std::size_t copied = std::min<std::size_t>(std::strlen(kName), length - 1u);
    std::memcpy(name, kName, copied);
    name[copied] = '\0';
    return 0;
}

#if !defined(PALMSIM_WITHOUT_CONFIGURE)
PALMSIM_CONDUIT_EXPORT int32_t CONDUIT_API ConfigureConduit(ConduitConfigRecord* record) {
    if (record == nullptr) return -1;
    RecordCall(*record);
#if defined(PALMSIM_CONDUIT_SCRIPTED)
    record->SyncType = palmsim::ReadInt("Scripted", "SyncType", record->SyncType);
    return palmsim::ReadInt("Scripted", "Result", 0);
#elif defined(PALMSIM_CONDUIT_FAILING)
    record->SyncType = 6;
    return -100;
#else
    DialogBoxParamA(OwnInstance(), MAKEINTRESOURCEA(IDD_CONDUIT_SETTINGS), GetActiveWindow(), SettingsProc,
                    reinterpret_cast<LPARAM>(record));
    return 0;
#endif
}
#endif
