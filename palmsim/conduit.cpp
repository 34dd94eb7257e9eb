// A stand-in conduit module. One source builds every conduit: the name, the
// default action and the behaviour come from compile definitions.
//
// PALMSIM_CONDUIT_NAME     the conduit's name ("" for a conduit without one)
// PALMSIM_CONDUIT_SYNC_TYPE the sync type it reports as its default, as real conduits do
// PALMSIM_CONDUIT_DIALOG   ConfigureConduit shows a modal dialog to pick the sync type
// PALMSIM_CONDUIT_SCRIPTED ConfigureConduit answers [Scripted] SyncType and Result of the state file
// PALMSIM_CONDUIT_FAILING  ConfigureConduit returns -100 after setting sync type 6
// PALMSIM_CONDUIT_CFG      a conduit for HotSync 3.0 and later: CfgConduit answers [Scripted]
//                          SyncType and Result, and ConfigureConduit is a stub kept for older
//                          HotSync versions that shows nothing and answers "do nothing"
// PALMSIM_WITHOUT_INFO     no GetConduitInfo export
// PALMSIM_WITHOUT_CONFIGURE no ConfigureConduit export
//
// Every ConfigureConduit call records the record it received under
// [Configured <name>] in the state file, every CfgConduit call under
// [CfgConduit <name>].
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <type_traits>

#include "conduit_dialog.h"
#include "conduit_module.h"
#include "state_file.h"
#include "sync_action.h"

#define PALMSIM_CONDUIT_EXPORT extern "C" __declspec(dllexport)

namespace {

using corvane::CfgConduitInfoType;
using corvane::ConduitConfigRecord;

constexpr char kName[] = PALMSIM_CONDUIT_NAME;
// The sync types of the dialog's buttons, in order.
constexpr int32_t kSyncTypes[] = {corvane::stFast, corvane::stPCToHH, corvane::stHHToPC, corvane::stDoNothing};
constexpr int kButtons[] = {IDC_SYNCHRONIZE, IDC_PC_TO_HH, IDC_HH_TO_PC, IDC_DO_NOTHING};

std::string StateSection(const char* kind) {
    return std::string(kind) + " " + (kName[0] != '\0' ? kName : "(unnamed)");
}

void RecordCall(const ConduitConfigRecord& record) {
    const std::string section = StateSection("Configured");
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
    const int32_t syncType = PALMSIM_CONDUIT_SYNC_TYPE;
    std::memcpy(output, &syncType, sizeof syncType);
    *outputSize = sizeof syncType;
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
    record->SyncType = corvane::stDoNothing;
    return -100;
#elif defined(PALMSIM_CONDUIT_CFG)
    record->SyncType = corvane::stDoNothing;  // the stub's only answer
    return 0;
#else
    DialogBoxParamA(OwnInstance(), MAKEINTRESOURCEA(IDD_CONDUIT_SETTINGS), GetActiveWindow(), SettingsProc,
                    reinterpret_cast<LPARAM>(record));
    return 0;
#endif
}
#endif

#if defined(PALMSIM_CONDUIT_CFG)
namespace {

// Error codes of Palm's conduit interface for a request it cannot take.
constexpr int32_t kInvalidArguments = 0x1074;
constexpr int32_t kInvalidArgumentsSize = 0x1078;
constexpr int32_t kUnsupportedRequest = 0x1079;
constexpr int32_t kWrongArgumentsSize = 0x107A;
constexpr int32_t kUnsupportedVersion = 0x107B;

void RecordCfgCall(corvane::ConduitCfgEnum kind, uint32_t argumentsSize, const CfgConduitInfoType& info) {
    const std::string section = StateSection("CfgConduit");
    palmsim::WriteInt(section, "Kind", kind);
    palmsim::WriteInt(section, "ArgumentsSize", static_cast<int32_t>(argumentsSize));
    palmsim::WriteInt(section, "Version", static_cast<int32_t>(info.Version));
    palmsim::WriteInt(section, "Size", static_cast<int32_t>(info.Size));
    palmsim::WriteText(section, "Creator", palmsim::CreatorText(info.CreatorId));
    palmsim::WriteInt(section, "UserId", static_cast<int32_t>(info.UserId));
    palmsim::WriteText(section, "UserName", std::string(info.UserName, strnlen(info.UserName, sizeof info.UserName)));
    palmsim::WriteText(section, "Path", std::string(info.Path, strnlen(info.Path, sizeof info.Path)));
    palmsim::WriteInt(section, "Permanent", info.PermanentSyncType);
    palmsim::WriteInt(section, "Temporary", info.TemporarySyncType);
    palmsim::WriteInt(section, "New", info.NewSyncType);
    palmsim::WriteInt(section, "Preference", info.Preference);
    palmsim::WriteInt(section, "Calls", palmsim::ReadInt(section, "Calls", 0) + 1);
}

}  // namespace

PALMSIM_CONDUIT_EXPORT int32_t CONDUIT_API CfgConduit(corvane::ConduitCfgEnum kind, void* arguments,
                                                      uint32_t* argumentsSize) {
    if (arguments == nullptr) return kInvalidArguments;
    if (argumentsSize == nullptr) return kInvalidArgumentsSize;
    if (*argumentsSize != sizeof(CfgConduitInfoType)) return kWrongArgumentsSize;
    auto* info = static_cast<CfgConduitInfoType*>(arguments);
    RecordCfgCall(kind, *argumentsSize, *info);
    if (kind != corvane::eConfig1) return kUnsupportedRequest;
    if (info->Version != corvane::kCfgConduitInfoVersion) return kUnsupportedVersion;
    info->NewSyncType = palmsim::ReadInt("Scripted", "SyncType", info->NewSyncType);
    return palmsim::ReadInt("Scripted", "Result", 0);
}

static_assert(std::is_same_v<decltype(&::CfgConduit), corvane::CfgConduitFn>);
#endif
