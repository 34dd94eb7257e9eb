#include "remind_form.h"

#include <commctrl.h>

#include <cstdio>
#include <string>

#include "accessible_text.h"
#include "code_page.h"
#include "controls.h"
#include "decimal_text.h"
#include "desktop_path.h"
#include "dpi.h"
#include "fixed_text.h"
#include "product.h"
#include "resource_ids.h"
#include "run_state.h"
#include "system_error_text.h"

namespace corvane {
namespace {

constexpr int kClientWidth = 403;
constexpr int kClientHeight = 206;
constexpr int kTopHeight = 38;
constexpr int kUserHeight = 75;
constexpr int kMainHeight = kClientHeight - kTopHeight - kUserHeight;

using Id = TfrmRemind::ControlId;

const ControlSpec kPanels[] = {
    {ControlKind::Panel, Id::idPnlTop, 0, 0, kClientWidth, kTopHeight},
    {ControlKind::Panel, Id::idPnlUser, 0, kTopHeight, kClientWidth, kUserHeight},
    {ControlKind::Panel, Id::idPnlMain, 0, kTopHeight + kUserHeight, kClientWidth, kMainHeight},
};

const ControlSpec kControls[] = {
    {ControlKind::Label, Id::idLblDesc, 16, 14, 240, 13, "", Id::idPnlTop},
    {ControlKind::Image, Id::idImgDetail, 327, 10, 55, 23, IDB_BUTTON, Id::idPnlTop},
    {ControlKind::Name, Id::idLblUsers, 18, 2, 366, 13, "Users", Id::idPnlUser},
    {ControlKind::ListViewIcons, Id::idLvUser, 18, 2, 366, 67, "", Id::idPnlUser},
    {ControlKind::RadioButton, Id::idRbtnNow, 15, 0, 138, 17, "&Start HotSync Now", Id::idPnlMain, WS_GROUP},
    {ControlKind::RadioButton, Id::idRbtnLater, 15, 20, 121, 17, "&Remind me after ", Id::idPnlMain},
    {ControlKind::Edit, Id::idEdtMin, 136, 18, 49, 21, "", Id::idPnlMain, 0, Id::idRbtnLater},
    // Ends the radio group; it names the minutes box, which follows it in z-order.
    {ControlKind::Label, Id::idLblMin, 196, 23, 48, 13, "minutes.", Id::idPnlMain, WS_GROUP, Id::idEdtMin},
    {ControlKind::RadioButton, Id::idRbtnNo, 15, 42, 194, 17, "I see, &don't remind me again.", Id::idPnlMain},
    {ControlKind::Image, Id::idImgClose, 270, 64, 116, 23, IDB_LINK, Id::idPnlMain, WS_GROUP},
};

// The labels that act as buttons, each over its button picture.
const ControlSpec kDetailLabel = {ControlKind::Label, Id::idLblDetail, 342, 15, 34, 13, "Detail", Id::idPnlTop};
const ControlSpec kCloseLabel = {ControlKind::Label, Id::idLblClose, 282, 69, 101, 13, "Close in 10 sec.",
                                 Id::idPnlMain};

// "It's time for user %s to start HotSync Now!" in 100 characters: a longer
// name keeps its start, cut at a character boundary, followed by "...".
std::string OneUserDescription(const std::string& name) {
    constexpr std::size_t kBufferSize = 100;
    constexpr char kFormat[] = "It's time for user %s to start HotSync Now!";
    constexpr std::size_t kRoom = kBufferSize - 1 - (sizeof kFormat - 1 - 2);
    std::string shown = name;
    if (shown.size() > kRoom) {
        shown.resize(CharacterPrefix(name.data(), name.size(), kRoom - 3, IsAnsiLeadByte));
        shown += "...";
    }
    char text[kBufferSize];
    std::snprintf(text, sizeof text, kFormat, shown.c_str());
    return text;
}

}  // namespace

TfrmRemind::TfrmRemind(HWND owner, RunState& run) : run_(run) {
    // On top of every other window: its countdown acts by itself, so it must be seen.
    CreateDialogWindow("TfrmRemind", owner, "HotSync Remind", kClientWidth, kClientHeight, WS_EX_TOPMOST);
    ControlLook panelLook;
    AddControls(kPanels, std::size(kPanels), panelLook);
    AddControls(kControls, std::size(kControls));
    ControlLook link;
    link.HandCursor = true;
    link.Backdrop = Id::idImgDetail;
    AddControl(kDetailLabel, link);
    link.Backdrop = Id::idImgClose;
    link.Align = DT_CENTER;
    AddControl(kCloseLabel, link);
    // Z-order: the radio group, then the minutes box after the label that names it.
    SetTabOrder({Id::idRbtnNow, Id::idRbtnLater, Id::idRbtnNo, Id::idLblMin, Id::idEdtMin, Id::idImgClose,
                 Id::idLblClose});
    // Enter closes with the checked choice; Esc, as the close box, lets this occurrence pass.
    SetDefaultControl(Id::idLblClose);
    SetDescription(Id::idLblDesc);
    // Screen readers hear the button as "Close": a name that changed every
    // second would be read out every second, over everything else.
    SetAccessibleText(Control(Id::idLblClose), AccessibleText::Name, "Close");
    // The list view shares the image list (LVS_SHAREIMAGELISTS), so it is ours to destroy; the list keeps its own
    // copy of the icon.
    const int iconSize = Scaled(32);
    imglUser_ = ImageList_Create(iconSize, iconSize, ILC_COLOR32 | ILC_MASK, 1, 0);
    if (auto icon = static_cast<HICON>(
            LoadImageA(GetModuleHandleA(nullptr), IDI_USER, IMAGE_ICON, iconSize, iconSize, 0))) {
        ImageList_AddIcon(imglUser_, icon);
        DestroyIcon(icon);
    }
    ListView_SetImageList(Control(Id::idLvUser), imglUser_, LVSIL_NORMAL);
    FormCreate();
}

TfrmRemind::~TfrmRemind() {
    if (HWND close = Control(Id::idLblClose)) ClearAccessibleText(close, AccessibleText::Name);
    if (Handle() != nullptr) DestroyWindow(Handle());
    if (imglUser_ != nullptr) ImageList_Destroy(imglUser_);
}

void TfrmRemind::FormCreate() {
    FReady = false;
    SetBackColor(kPageColor);
    FCountdown = run_.Options.RemindSec;
    SetText(Control(Id::idEdtMin), std::to_string(run_.Options.RemindMin).c_str());
    const int checked = run_.Options.RemindIndex == 1 ? Id::idRbtnNow : run_.Options.RemindIndex == 2 ? Id::idRbtnLater : Id::idRbtnNo;
    SetChecked(Control(checked), true);
    SetInitialFocus(checked);
    if (checked == Id::idRbtnNow) rbtnNowClick();
    if (checked == Id::idRbtnLater) rbtnLaterClick();
    if (checked == Id::idRbtnNo) rbtnNoClick();
    StartTimer(kCloseTimer, 1000);
}

bool TfrmRemind::UserListShown() const { return IsShown(Control(Id::idPnlUser)); }

void TfrmRemind::LayOutPanels(bool userListShown) {
    ShowControl(Control(Id::idPnlUser), userListShown);
    MoveControl(Id::idPnlMain, 0, kTopHeight + (userListShown ? kUserHeight : 0));
    SetClientHeight(kClientHeight - (userListShown ? 0 : kUserHeight));
}

void TfrmRemind::FillUserList() {
    HWND list = Control(Id::idLvUser);
    ListView_DeleteAllItems(list);
    for (std::size_t i = 0; i < FDueUsers->size(); ++i) {
        LVITEMA item{};
        item.mask = LVIF_TEXT | LVIF_IMAGE;
        item.iItem = static_cast<int>(i);
        item.pszText = const_cast<char*>((*FDueUsers)[i].Name.c_str());
        item.iImage = 0;
        SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    }
}

bool TfrmRemind::SetDueUsers(const DueUsers* users) {
    if (run_.Options.RemindDetail == 0) LayOutPanels(false);
    if (users == nullptr) return false;
    FDueUsers = users;
    if (users->size() >= 2) {
        SetLabelText(Id::idLblDesc, "It's time for some users to start HotSync Now!");
        FillUserList();
        SetLabelText(Id::idLblDetail, run_.Options.RemindDetail == 0 ? "Detail" : "Hide");
    } else {
        ShowControl(Control(Id::idImgDetail), false);
        ShowControl(Control(Id::idLblDetail), false);
        LayOutPanels(false);
        SetLabelText(Id::idLblDesc, OneUserDescription(users->empty() ? "" : users->front().Name).c_str());
    }
    FReady = true;
    return true;
}

void TfrmRemind::StopCountdown(const char* closeCaption) {
    if (!FReady) return;
    StopTimer(kCloseTimer);
    SetLabelText(Id::idLblClose, closeCaption);
}

// The preselection the dialog opens with is no choice of the person's.
void TfrmRemind::KeepChoice(int32_t index) {
    if (FReady) {
        run_.PersonSet(&TOptions::RemindIndex, index);
    } else {
        run_.Options.RemindIndex = index;
        run_.Saver.DataChanged();
    }
}

void TfrmRemind::rbtnNowClick() {
    EnableWindow(Control(Id::idEdtMin), FALSE);
    StopCountdown("   Close  ");
    KeepChoice(1);
}

void TfrmRemind::rbtnLaterClick() {
    EnableWindow(Control(Id::idEdtMin), TRUE);
    StopCountdown("  Close  ");
    KeepChoice(2);
}

void TfrmRemind::rbtnNoClick() {
    EnableWindow(Control(Id::idEdtMin), FALSE);
    StopCountdown("  Close  ");
    KeepChoice(3);
}

void TfrmRemind::edtMinExit() {
    HWND edit = Control(Id::idEdtMin);
    SetText(edit, std::to_string(ParseDecimal(TextOf(edit).c_str())).c_str());
    StopCountdown("  Close  ");
}

// A key stops the countdown as touching a choice does.
void TfrmRemind::OnKeyInput() { StopCountdown(IsChecked(Control(Id::idRbtnNow)) ? "   Close  " : "  Close  "); }

void TfrmRemind::tmCloseTimer() {
    // The countdown holds, silent, while no one can be there to see it.
    if (!run_.UserPresence.Attended()) return;
    --FCountdown;
    Ui().Beep(MB_ICONEXCLAMATION);
    char caption[32];
    std::snprintf(caption, sizeof caption, "Close in %d sec.", static_cast<int>(FCountdown));
    SetLabelText(Id::idLblClose, caption);
    if (FCountdown == 0) lblCloseClick();
}

void TfrmRemind::lblCloseClick() {
    // Once the dialog has its result, its choice has been applied: a further click does nothing.
    if (ModalResult() != mrNone) return;
    if (IsChecked(Control(Id::idRbtnNow))) {
        if (!StartHotSync()) return;
        ApplyChoice(chNextPeriod);
    } else if (IsChecked(Control(Id::idRbtnLater))) {
        if (ParseDecimal(TextOf(Control(Id::idEdtMin)).c_str()) <= 0) {
            Ui().ShowMessage(Handle(), "Invalid delay minute value!\n", "Error", MB_ICONERROR);
            return;
        }
        ApplyChoice(chDelay);
    } else {
        ApplyChoice(chNextPeriod);
    }
    EndModal(mrOk);
}

bool TfrmRemind::StartHotSync() {
    char directory[kPathSize];
    char program[kPathSize];
    if (ReadDesktopPath(directory, sizeof directory) != 0) {
        TellNotStarted("", "Palm Desktop is not installed for this Windows user: no Palm Desktop folder is recorded.");
        return false;
    }
    if (std::snprintf(program, sizeof program, "%s\\HOTSYNC.EXE", directory) >= static_cast<int>(sizeof program)) {
        TellNotStarted(directory, SystemErrorText(ERROR_FILENAME_EXCED_RANGE));
        return false;
    }
    if (Ui().StartProgram(program, SW_SHOW)) return true;
    TellNotStarted(program, SystemErrorText(GetLastError()));
    return false;
}

void TfrmRemind::TellNotStarted(const char* program, const std::string& reason) {
    // Asked once more after RemindMin minutes, not at every tick; the
    // countdown has done its part.
    StopTimer(kCloseTimer);
    answer_ = chDelay;
    answerDelay_ = run_.Options.RemindMin > 0 ? run_.Options.RemindMin : 1;
    std::string text = "HotSync Manager could not be started.\n\n";
    if (*program != '\0') text += std::string(program) + "\n";
    text += reason + "\n\nYou will be reminded again in " + std::to_string(answerDelay_) + " minutes.";
    Ui().ShowMessage(Handle(), text.c_str(), kAppTitle, MB_ICONWARNING);
    EndModal(mrOk);
}

void TfrmRemind::ApplyChoice(int choice) {
    answer_ = choice;
    answerDelay_ = choice == chDelay ? ParseDecimal(TextOf(Control(Id::idEdtMin)).c_str()) : 0;
}

void TfrmRemind::lblDetailClick() {
    const bool show = !UserListShown();
    LayOutPanels(show);
    SetLabelText(Id::idLblDetail, show ? "Hide" : "Detail");
    run_.PersonSet(&TOptions::RemindDetail, show ? 1 : 0);
}

void TfrmRemind::OnCommand(int id, int code, HWND) {
    switch (id) {
        case Id::idRbtnNow:
            if (code == BN_CLICKED) rbtnNowClick();
            break;
        case Id::idRbtnLater:
            if (code == BN_CLICKED) rbtnLaterClick();
            break;
        case Id::idRbtnNo:
            if (code == BN_CLICKED) rbtnNoClick();
            break;
        case Id::idEdtMin:
            if (code == EN_KILLFOCUS) edtMinExit();
            break;
        case Id::idLblClose:
            if (code == STN_CLICKED) lblCloseClick();
            break;
        case Id::idLblDetail:
            if (code == STN_CLICKED) lblDetailClick();
            break;
        default:
            break;
    }
}

void TfrmRemind::OnTimer(UINT_PTR id) {
    if (id == kCloseTimer) tmCloseTimer();
}

}  // namespace corvane
