#include "user_form.h"

#include <string>

#include "code_page.h"
#include "controls.h"
#include "dpi.h"
#include "fixed_text.h"
#include "resource_ids.h"
#include "run_state.h"
#include "user_props_form.h"

namespace corvane {
namespace {

constexpr int kClientWidth = 285;
constexpr int kClientHeight = 453;
constexpr int kItemHeight = 13;

using Id = TfrmUM::ControlId;

const ControlSpec kControls[] = {
    {ControlKind::RadioButton, Id::idRbtnUser, 31, 6, 65, 17, "Use&rs", 0, WS_GROUP},
    {ControlKind::RadioButton, Id::idRbtnProfile, 99, 6, 72, 17, "&Profiles"},
    {ControlKind::Name, Id::idLblUsers, 25, 28, 179, 13, "User Management", 0, WS_GROUP},
    // Three pixels wider than drawn, so that "Rename" keeps off the edges.
    {ControlKind::Image, Id::idImgUserAdd, 218, 29, 58, 23, IDB_BUTTON, 0, WS_GROUP},
    {ControlKind::Image, Id::idImgUserDel, 218, 57, 58, 23, IDB_BUTTON},
    {ControlKind::Image, Id::idImgUserRename, 218, 86, 58, 23, IDB_BUTTON},
};

const ControlSpec kUserList = {ControlKind::ListBox, Id::idLbxUser, 25, 28, 179, 205, "", 0, LBS_NOINTEGRALHEIGHT};

// The labels that act as buttons, each over its button picture; they have no
// width of their own and take their text's.
struct LinkLabel {
    ControlSpec Layout;
    int Image;
};
const LinkLabel kLinks[] = {
    {{ControlKind::Label, Id::idLblUserAdd, 237, 34, 0, 13, "Add"}, Id::idImgUserAdd},
    {{ControlKind::Label, Id::idLblUserDel, 230, 62, 0, 13, "Delete"}, Id::idImgUserDel},
    {{ControlKind::Label, Id::idLblUserRename, 226, 91, 0, 13, "Rename"}, Id::idImgUserRename},
};

// The delete question, formed for a 256-character buffer: a name too long
// for it keeps its start, cut at a character boundary, followed by "...", so
// the question always ends with its closing quote and question mark.
std::string DeleteQuestion(const char* name, bool users) {
    constexpr std::size_t kBufferSize = 256;
    const std::string start = users ? "Delete the user name and ALL ASSOCIATED DATA of \""
                                    : "Delete the profile and ALL ASSOCIATED DATA of \"";
    const std::string end = "\"?";
    const std::size_t room = kBufferSize - 1 - start.size() - end.size();
    std::string shown(name, FieldLength(name, kUserNameSize));
    if (shown.size() > room) {
        shown.resize(CharacterPrefix(shown.data(), shown.size(), room - 3, IsAnsiLeadByte));
        shown += "...";
    }
    return start + shown + end;
}

// The first record of `users` with `userId`; none when it has gone.
UserRecord* FindUser(const std::unique_ptr<UserList>& users, uint32_t userId) {
    if (!users) return nullptr;
    for (const auto& record : users->Records) {
        if (record->UserID == userId) return record.get();
    }
    return nullptr;
}

}  // namespace

TfrmUM::TfrmUM(HWND host, RunState& run) : run_(run) {
    CreatePage("TfrmUM", host, kClientWidth, kClientHeight);
    AddControls(kControls, std::size(kControls));
    ControlLook data;
    data.Font = FontKind::Normal;
    AddControl(kUserList, data);
    SendMessageA(Control(Id::idLbxUser), LB_SETITEMHEIGHT, 0, Scaled(kItemHeight));
    for (const LinkLabel& link : kLinks) {
        ControlLook look;
        look.HandCursor = true;
        look.Backdrop = link.Image;
        AddControl(link.Layout, look);
    }
    // Reading order: the two kinds, the list after the label that names it, then its buttons.
    SetTabOrder({Id::idRbtnUser, Id::idRbtnProfile, Id::idLblUsers, Id::idLbxUser});
    SetChecked(Control(Id::idRbtnUser), true);
    FormCreate();
}

void TfrmUM::FormCreate() {
    SetBackColor(kPageColor);
    if (!run_.Lists.Users) run_.Lists.Users = UserListCreate(run_.Palm);
    FillUserList(ukUser);
}

void TfrmUM::SetUsersChangedHandler(std::function<void()> handler) { usersChanged_ = std::move(handler); }

void TfrmUM::NotifyUsersChanged() {
    if (usersChanged_) usersChanged_();
}

void TfrmUM::FillUserList(int32_t kind) {
    // Screen readers name the list after what it shows.
    SetWindowTextA(Control(Id::idLblUsers), kind == ukProfile ? "Profiles" : "Users");
    HWND list = Control(Id::idLbxUser);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    const int32_t count = UserListCount(run_.Lists.Users.get());
    for (int32_t i = 0; i < count; ++i) {
        const UserRecord& record = *UserListAt(run_.Lists.Users.get(), i);
        if (record.IsProfile != kind) continue;
        const std::string name(record.UserName, FieldLength(record.UserName, sizeof record.UserName));
        // Each item carries its user's ID, never the record, which may be freed while the item shows.
        const auto index = SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
        if (index >= 0) SendMessageA(list, LB_SETITEMDATA, static_cast<WPARAM>(index), record.UserID);
    }
}

int32_t TfrmUM::ShownKind() const { return IsChecked(Control(Id::idRbtnProfile)) ? ukProfile : ukUser; }

UserRecord* TfrmUM::SelectedUser() const {
    HWND list = Control(Id::idLbxUser);
    const auto index = SendMessageA(list, LB_GETCURSEL, 0, 0);
    if (index < 0) return nullptr;
    return FindUser(run_.Lists.Users, static_cast<uint32_t>(SendMessageA(list, LB_GETITEMDATA, static_cast<WPARAM>(index), 0)));
}

void TfrmUM::rbtnUserClick() { FillUserList(ukUser); }

void TfrmUM::rbtnProfileClick() { FillUserList(ukProfile); }

void TfrmUM::lblUserAddClick() { EditUser(nullptr); }

void TfrmUM::lblUserRenameClick() {
    if (const UserRecord* user = SelectedUser()) EditUser(user);
}

void TfrmUM::EditUser(const UserRecord* user) {
    const int32_t kind = ShownKind();
    TfrmUsrProp dialog(Handle(), run_);
    dialog.Prepare(user, kind);
    if (dialog.ShowModal() != mrOk) return;
    FillUserList(kind);
    if (dialog.ListChanged()) NotifyUsersChanged();
}

void TfrmUM::lblUserDelClick() {
    HWND list = Control(Id::idLbxUser);
    const auto index = SendMessageA(list, LB_GETCURSEL, 0, 0);
    const UserRecord* user = SelectedUser();
    if (index < 0 || user == nullptr) return;
    const uint32_t userId = user->UserID;
    const std::string name(user->UserName, FieldLength(user->UserName, sizeof user->UserName));
    const std::string question = DeleteQuestion(user->UserName, IsChecked(Control(Id::idRbtnUser)));
    if (Ui().ShowMessage(Handle(), question.c_str(), "Delete User", MB_OKCANCEL | MB_ICONWARNING) != IDOK) return;
    if (UserListDelete(*run_.Lists.Users, run_.Palm.UserData.Entries, userId) != 1) {
        ShowUserDataRefusal(Handle(), "delete", name.c_str());
        return;
    }
    SendMessageA(list, LB_DELETESTRING, static_cast<WPARAM>(index), 0);
    NotifyUsersChanged();
}

void TfrmUM::OnCommand(int id, int code, HWND) {
    switch (id) {
        case Id::idRbtnUser:
            if (code == BN_CLICKED) rbtnUserClick();
            break;
        case Id::idRbtnProfile:
            if (code == BN_CLICKED) rbtnProfileClick();
            break;
        case Id::idLblUserAdd:
            if (code == STN_CLICKED) lblUserAddClick();
            break;
        case Id::idLblUserDel:
            if (code == STN_CLICKED) lblUserDelClick();
            break;
        case Id::idLblUserRename:
            if (code == STN_CLICKED) lblUserRenameClick();
            break;
        default:
            break;
    }
}

}  // namespace corvane
