#include "user_props_form.h"

#include <cstring>
#include <string>

#include "application.h"
#include "controls.h"
#include "fixed_text.h"
#include "run_state.h"

namespace corvane {
namespace {

constexpr int kClientWidth = 327;
constexpr int kClientHeight = 114;

using Id = TfrmUsrProp::ControlId;

const ControlSpec kControls[] = {
    // Up to the edit box, which moves right when the text needs more room.
    {ControlKind::Label, Id::idLabel1, 16, 37, 72, 13, "&User Name:"},
    {ControlKind::Edit, Id::idEdtUserName, 88, 36, 217, 21, "", 0, 0, Id::idLabel1},
    {ControlKind::Button, Id::idBtnOK, 161, 80, 75, 25, "&OK"},
    {ControlKind::Button, Id::idBtnCancel, 243, 80, 75, 25, "&Cancel"},
};

// The whole text of an edit box, however long.
std::string WholeText(HWND edit) {
    const int length = GetWindowTextLengthA(edit);
    if (length <= 0) return {};
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const int copied = GetWindowTextA(edit, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return text;
}

}  // namespace

void ShowUserDataRefusal(HWND owner, const char* change, const char* name) {
    const std::string text = std::string("Palm Desktop did not ") + change + " \"" + name + "\".";
    Ui().ShowMessage(owner, text.c_str(), App().Title(), MB_OK | MB_ICONSTOP);
}

TfrmUsrProp::TfrmUsrProp(HWND owner, RunState& run) : run_(run) {
    CreateDialogWindow("TfrmUsrProp", owner, "User Properties", kClientWidth, kClientHeight);
    AddControls(kControls, std::size(kControls));
    // The label names the edit box for screen readers, so it comes first.
    SetTabOrder({Id::idLabel1, Id::idEdtUserName, Id::idBtnOK, Id::idBtnCancel});
    SetDefaultControl(Id::idBtnOK);
    SetCancelControl(Id::idBtnCancel);
}

bool TfrmUsrProp::Prepare(const UserRecord* user, int32_t kind) {
    SetBackColor(kPageColor);
    FProfile = kind;
    listChanged_ = false;
    if (user != nullptr) {
        FUser = *user;
        FUser.UserName[sizeof FUser.UserName - 1] = '\0';
        SetText(Handle(), "Rename User");
        SetText(Control(Id::idEdtUserName), FUser.UserName);
    } else {
        FUser = UserRecord{};
        SetText(Handle(), "Add User");
    }
    return true;
}

void TfrmUsrProp::btnOKClick() {
    const std::string name = WholeText(Control(Id::idEdtUserName));
    if (name.empty()) {
        Ui().ShowMessage(Handle(), "Please specify the user name.", "Error", MB_ICONERROR);
        return;
    }
    listChanged_ = false;
    if (run_.Lists.Users) {
        const bool rename = RenameMode();
        if (!rename || name != FUser.UserName) {
            listChanged_ = rename ? UserListRename(*run_.Lists.Users, run_.Palm.UserData.Entries, FUser.UserID, name.c_str()) == 1
                                  : UserListAdd(*run_.Lists.Users, run_.Palm.UserData.Entries, name.c_str(), FProfile) == 1;
            if (!listChanged_) {
                ShowUserDataRefusal(Handle(), rename ? "rename" : "add", rename ? FUser.UserName : name.c_str());
            }
        }
    }
    EndModal(mrOk);
}

void TfrmUsrProp::OnCommand(int id, int code, HWND) {
    if (code != BN_CLICKED) return;
    if (id == Id::idBtnOK) btnOKClick();
    if (id == Id::idBtnCancel) EndModal(mrCancel);
}

}  // namespace corvane
