#include "conduit_form.h"

#include <windowsx.h>

#include <string>

#include "application.h"
#include "controls.h"
#include "disabled_scope.h"
#include "list_view.h"
#include "palm_libraries.h"
#include "popup_menu.h"
#include "resource_ids.h"
#include "run_state.h"
#include "sync_action.h"
#include "user_combo.h"

namespace corvane {
namespace {

constexpr int kClientWidth = 295;
constexpr int kClientHeight = 453;

using Id = TfrmCM::ControlId;

const ControlSpec kControls[] = {
    {ControlKind::Label, Id::idLblUser, 16, 8, 71, 13, "Select User:"},
    {ControlKind::CheckBox, Id::idCbPermanent, 21, 215, 236, 17, "Update Conduit &Default Settings"},
    {ControlKind::Name, Id::idLblConduits, 6, 40, 280, 13, "Conduit Management"},
    {ControlKind::Image, Id::idImgCustom, 43, 240, 55, 23, IDB_BUTTON},
    {ControlKind::Image, Id::idImgDefault, 186, 240, 55, 23, IDB_BUTTON},
};

// The chooser and the list show data, in the form's plain font.
const ControlSpec kDataControls[] = {
    {ControlKind::ComboList, Id::idCbUser, 94, 6, 176, 21},
    {ControlKind::ListViewReport, Id::idLvCond, 6, 40, 280, 168},
};

const ControlSpec kCustomLabel = {ControlKind::Label, Id::idLblCustom, 52, 245, 42, 13, "Custom"};
const ControlSpec kDefaultLabel = {ControlKind::Label, Id::idLblDefault, 196, 245, 42, 13, "Default"};

enum Column { colType = 0, colAction = 1, colIndex = 2 };

const PopupMenu::Item kMenuItems[] = {
    {TfrmCM::pmiSynchronize, "Synchronize the files"},
    {TfrmCM::pmiPCToHH, "Desktop overwrite Handheld"},
    {TfrmCM::pmiHHToPC, "Handheld overwrite Desktop"},
    {TfrmCM::pmiDoNothing, "Do Nothing"},
};

// A row's "Index" marker lives in its item data, out of every column, so the
// person can never see or change it.
bool RowMarker(HWND list, int row) {
    LVITEMA item{};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    return SendMessageA(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)) != FALSE && item.lParam == 1;
}

void SetRowMarker(HWND list, int row, bool applied) {
    LVITEMA item{};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    item.lParam = applied ? 1 : 0;
    SendMessageA(list, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
}

bool UpdatesPermanent(const TOptions& options) { return options.UpdatePermanent == 1; }

// Posted to the page after Palm Desktop refused an action.
constexpr UINT WM_SYNCBOXES = WM_APP + 20;

// The action column shows each of these whole; the type column takes the rest.
void FitColumns(HWND list) {
    const char* const actions[] = {ActionTextOf(saSynchronize), ActionTextOf(saPCToHH), ActionTextOf(saHHToPC),
                                   ActionTextOf(saDoNothing), ActionTextOf(-1)};
    FitListColumns(list, colAction, actions, std::size(actions), colType);
}

}  // namespace

TfrmCM::TfrmCM(HWND host, RunState& run) : run_(run) {
    CreatePage("TfrmCM", host, kClientWidth, kClientHeight);
    // The chooser first: the label before it grows at most up to it.
    ControlLook data;
    data.Font = FontKind::Normal;
    AddControls(kDataControls, std::size(kDataControls), data);
    AddControls(kControls, std::size(kControls));
    ControlLook link;
    link.HandCursor = true;
    link.Backdrop = Id::idImgCustom;
    AddControl(kCustomLabel, link);
    link.Backdrop = Id::idImgDefault;
    AddControl(kDefaultLabel, link);
    HWND list = Control(Id::idLvCond);
    AddListColumn(list, colType, "Type", 115);
    AddListColumn(list, colAction, "Current Action", 130);
    AddListColumn(list, colIndex, "Index", 0);
    FitColumns(list);
    // Each chooser and list after the label that names it.
    SetTabOrder({Id::idLblUser, Id::idCbUser, Id::idLblConduits, Id::idLvCond, Id::idCbPermanent});
    FormCreate();
}

TfrmCM::~TfrmCM() {
    FormDestroy();
    if (Handle() != nullptr) DestroyWindow(Handle());
}

void TfrmCM::FormCreate() {
    SetBackColor(kPageColor);
    if (!run_.Lists.Users) run_.Lists.Users = UserListCreate(run_.Palm);
    FillUserCombo(run_.Lists.Users.get(), Control(Id::idCbUser));
    if (!run_.Lists.Conduits) run_.Lists.Conduits = ConduitListCreate(run_.Palm);
    if (ComboCount(Control(Id::idCbUser)) > 0) cbUserChange();
    SetChecked(Control(Id::idCbPermanent), UpdatesPermanent(run_.Options));
}

void TfrmCM::FormDestroy() {
    if (run_.Lists.Conduits) ConduitListFree(run_.Lists.Conduits, run_.Palm);
}

UserRecord* TfrmCM::SelectedUser() const {
    HWND chooser = Control(Id::idCbUser);
    const int index = ComboSelection(chooser);
    if (index < 0) return nullptr;
    return UserComboRecord(chooser, index, run_.Lists.Users.get());
}

void TfrmCM::UsersChanged() {
    HWND chooser = Control(Id::idCbUser);
    const UserRecord* chosen = SelectedUser();
    const bool hadChoice = chosen != nullptr;
    const uint32_t chosenId = hadChoice ? chosen->UserID : 0;
    FillUserCombo(run_.Lists.Users.get(), chooser);
    for (int i = 0; hadChoice && i < ComboCount(chooser); ++i) {
        if (static_cast<uint32_t>(ComboItemData(chooser, i)) == chosenId) {
            ComboSelect(chooser, i);
            return;  // the same user: the rows stand
        }
    }
    if (SelectedUser() != nullptr) {
        cbUserChange();
    } else {
        // No user left to show: rows of a deleted user must not stay.
        const FillingScope filling(filling_);
        ListView_DeleteAllItems(Control(Id::idLvCond));
    }
}

void TfrmCM::cbUserChange() {
    if (const UserRecord* user = SelectedUser()) {
        FillConduitView(run_.Lists.Conduits.get(), Control(Id::idLvCond), user->UserID);
    }
}

void TfrmCM::FillConduitView(const ConduitList* list, HWND view, uint32_t userId) {
    if (list == nullptr || view == nullptr) return;
    const FillingScope filling(filling_);
    ListView_DeleteAllItems(view);
    for (int32_t i = 0; i < ConduitListCount(list); ++i) {
        ConduitRecord& record = *ConduitListAt(list, i);
        if (FieldLength(record.Name, sizeof record.Name) == 0) {
            NameTableLookup(run_.Lists.ConduitNames.get(), record.CreatorText, record.Name);
        }
        const bool titled = FieldLength(record.Title, sizeof record.Title) > 0;
        const std::string caption = titled ? std::string(record.Title, FieldLength(record.Title, sizeof record.Title))
                                           : std::string(record.Name, FieldLength(record.Name, sizeof record.Name));
        const int row = AddListRow(view, caption.c_str());
        const int32_t action = ReadShownAction(run_.Palm.UserData.Entries, userId, record);
        const bool enabled = IsEnabledAction(action);
        SetRowMarker(view, row, enabled);
        SetRowChecked(view, row, enabled);
        SetListCell(view, row, colAction, ActionTextOf(action));
    }
    FitColumns(view);
    if (ListRowCount(view) > 0) SelectListRow(view, 0);
}

bool TfrmCM::RowApplied(int row) const { return RowMarker(Control(Id::idLvCond), row); }

void TfrmCM::ShowRowAction(int row, int32_t action, bool applied, bool setBox) {
    HWND list = Control(Id::idLvCond);
    SetListCell(list, row, colAction, ActionTextOf(action));
    SetRowMarker(list, row, applied);
    if (!setBox) return;
    const FillingScope filling(filling_);
    SetRowChecked(list, row, applied);
}

bool TfrmCM::WriteAction(int row, uint32_t userId, ConduitRecord& record, int32_t action) {
    if (ApplyAction(run_.Palm.UserData.Entries, userId, record, action, UpdatesPermanent(run_.Options))) return true;
    const int32_t held = ReadShownAction(run_.Palm.UserData.Entries, userId, record);
    ShowRowAction(row, held, IsEnabledAction(held), false);
    PostMessageA(Handle(), WM_SYNCBOXES, 0, 0);
    const std::string text = std::string("Palm Desktop did not store the action \"") + ActionTextOf(action) +
                             "\". The list shows the action it holds.";
    Ui().ShowMessage(Handle(), text.c_str(), App().Title(), MB_OK | MB_ICONSTOP);
    return false;
}

void TfrmCM::SyncCheckBoxes() {
    HWND list = Control(Id::idLvCond);
    const FillingScope filling(filling_);
    for (int row = 0; row < ListRowCount(list); ++row) {
        if (RowChecked(list, row) != RowMarker(list, row)) SetRowChecked(list, row, RowMarker(list, row));
    }
}

bool TfrmCM::EnableConduit(int row, bool on) {
    if (!ListRowExists(Control(Id::idLvCond), row)) return false;
    const UserRecord* user = SelectedUser();
    ConduitRecord* record = ConduitListAt(run_.Lists.Conduits.get(), row);
    if (user == nullptr || record == nullptr) return false;
    const uint32_t userId = user->UserID;
    const int32_t action = on ? ReadEnableAction(run_.Palm.UserData.Entries, userId, *record) : saDoNothing;
    if (!WriteAction(row, userId, *record, action)) return true;
    // The box stays as it is: the person has just changed it.
    ShowRowAction(row, action, on, false);
    return true;
}

bool TfrmCM::SetConduitAction(int row, int32_t action) {
    if (!ListRowExists(Control(Id::idLvCond), row)) return false;
    const UserRecord* user = SelectedUser();
    ConduitRecord* record = ConduitListAt(run_.Lists.Conduits.get(), row);
    if (user == nullptr || record == nullptr) return false;
    if (WriteAction(row, user->UserID, *record, action)) ShowRowAction(row, action, IsEnabledAction(action), true);
    return true;
}

void TfrmCM::lvCondClick() {
    HWND list = Control(Id::idLvCond);
    for (int row = 0; row < ListRowCount(list); ++row) {
        const bool ticked = RowChecked(list, row);
        if (ticked != RowMarker(list, row)) EnableConduit(row, ticked);
    }
}

void TfrmCM::lvCondDblClick() { lblCustomClick(); }

bool TfrmCM::lvCondKeyDown(WORD key) {
    HWND list = Control(Id::idLvCond);
    const int row = SelectedListRow(list);
    if (key != VK_SPACE || row < 0) return false;
    // The list view toggles the box itself afterwards, so box and marker then agree.
    EnableConduit(row, !RowChecked(list, row));
    return true;
}

void TfrmCM::cbPermanentClick() {
    run_.PersonSet(&TOptions::UpdatePermanent, IsChecked(Control(Id::idCbPermanent)) ? 1 : 0);
}

void TfrmCM::lblCustomClick() {
    const int row = SelectedListRow(Control(Id::idLvCond));
    if (row < 0) return;
    ConduitRecord* record = ConduitListAt(run_.Lists.Conduits.get(), row);
    const UserRecord* user = SelectedUser();
    if (record == nullptr || !record->Module || user == nullptr) return;
    // The conduit's dialog runs its own message loop, in which the users may
    // change: the user is held by ID and name, never by its record, and this
    // page takes no input meanwhile.
    const uint32_t userId = user->UserID;
    const std::string userName(user->UserName, FieldLength(user->UserName, sizeof user->UserName));
    ConfigureResult chosen{kUnbound, saDoNothing};
    {
        const NestedLoop loop;
        const DisabledScope disabled(Handle());
        chosen = CustomizeConduit(run_.Palm.UserData.Entries, userId, userName.c_str(), *record);
    }
    if (chosen.Result == kUnbound) {
        Ui().ShowMessage(Handle(), "Can not customize this conduit, Sorry!", "Error", MB_ICONERROR | MB_OK);
    }
    int32_t action = chosen.Action;
    if (!IsAction(action)) action = ReadFallbackAction(run_.Palm.UserData.Entries, userId, *record);
    const UserRecord* shown = SelectedUser();
    const bool rowShown = shown != nullptr && shown->UserID == userId && ListRowExists(Control(Id::idLvCond), row);
    if (rowShown && !WriteAction(row, userId, *record, action)) return;
    if (!rowShown) ApplyAction(run_.Palm.UserData.Entries, userId, *record, action, UpdatesPermanent(run_.Options));
    if (rowShown) {
        ShowRowAction(row, action, IsEnabledAction(action), true);
    }
}

void TfrmCM::lblDefaultClick() {
    if (Ui().ShowMessage(Handle(), "Do you want to restore the HotSync settings to default?", "Warning",
                         MB_ICONWARNING | MB_YESNO) != IDYES) {
        return;
    }
    CallEntry(run_.Palm.CondMgr.Entries.CmRestoreHotSyncSettings, 0);
    cbUserChange();
}

void TfrmCM::pmnuCondPopup(POINT at) {
    const int row = SelectedListRow(Control(Id::idLvCond));
    if (row < 0) return;
    const PopupMenu pmnuCond(kMenuItems, std::size(kMenuItems));
    const UINT chosen = pmnuCond.Choose(Handle(), at);
    if (chosen >= pmiSynchronize && chosen <= pmiDoNothing) {
        SetConduitAction(row, static_cast<int32_t>(chosen - pmiSynchronize));
    }
}

void TfrmCM::OnContextMenu(LPARAM position) {
    HWND list = Control(Id::idLvCond);
    if (PopupMenu::FromKeyboard(position)) {
        pmnuCondPopup(PopupMenu::BelowSelectedRow(list));
        return;
    }
    // From the mouse only on a row, which the right click has selected.
    LVHITTESTINFO hit{};
    hit.pt = {GET_X_LPARAM(position), GET_Y_LPARAM(position)};
    const POINT at = hit.pt;
    ScreenToClient(list, &hit.pt);
    if (ListView_HitTest(list, &hit) < 0 || hit.iItem != SelectedListRow(list)) return;
    pmnuCondPopup(at);
}

void TfrmCM::OnCommand(int id, int code, HWND) {
    switch (id) {
        case Id::idCbUser:
            if (code == CBN_SELCHANGE) cbUserChange();
            break;
        case Id::idCbPermanent:
            if (code == BN_CLICKED) cbPermanentClick();
            break;
        case Id::idLblCustom:
            if (code == STN_CLICKED) lblCustomClick();
            break;
        case Id::idLblDefault:
            if (code == STN_CLICKED) lblDefaultClick();
            break;
        default:
            break;
    }
}

void TfrmCM::OnListNotify(NMHDR* header) {
    switch (header->code) {
        case LVN_ITEMCHANGED: {
            // A box the person turned on or off is applied at once, whether the
            // click notice comes before or after the box changes.
            bool checked = false;
            if (!filling_ && CheckBoxChanged(*reinterpret_cast<NMLISTVIEW*>(header), &checked)) lvCondClick();
            break;
        }
        case NM_CLICK: lvCondClick(); break;
        case NM_DBLCLK: lvCondDblClick(); break;
        case LVN_KEYDOWN: lvCondKeyDown(reinterpret_cast<NMLVKEYDOWN*>(header)->wVKey); break;
        default: break;
    }
}

LRESULT TfrmCM::OnNotify(NMHDR* header) {
    HWND list = Control(Id::idLvCond);
    if (header->hwndFrom == list) {
        OnListNotify(header);
        return 0;
    }
    const bool columnSizing = header->code == HDN_BEGINTRACKA || header->code == HDN_BEGINTRACKW ||
                              header->code == HDN_DIVIDERDBLCLICKA || header->code == HDN_DIVIDERDBLCLICKW;
    if (columnSizing && header->hwndFrom == ListView_GetHeader(list)) {
        return RefusesColumnTrack(list, *reinterpret_cast<NMHEADERA*>(header)) ? TRUE : FALSE;
    }
    return 0;
}

LRESULT TfrmCM::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SYNCBOXES) {
        SyncCheckBoxes();
        return 0;
    }
    if (message == WM_CONTEXTMENU && reinterpret_cast<HWND>(wParam) == Control(Id::idLvCond)) {
        OnContextMenu(lParam);
        return 0;
    }
    return Form::HandleMessage(message, wParam, lParam);
}

}  // namespace corvane
