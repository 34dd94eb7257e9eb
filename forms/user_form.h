// "User Management": the users or the profiles of Palm Desktop, with Add,
// Delete and Rename through the shared user list.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>

#include "form.h"
#include "user_list.h"

namespace corvane {

struct RunState;

class TfrmUM : public Form {
public:
    // Creates the page in `host`, hidden until shown, and runs FormCreate.
    TfrmUM(HWND host, RunState& run);

    // Called after every Add, Delete or Rename that changed the shared user list.
    void SetUsersChangedHandler(std::function<void()> handler);

    // Lists the records of the shared list whose kind is exactly `kind`
    // (0 users, 1 profiles); no item is selected afterwards.
    void FillUserList(int32_t kind);
    // The kind the checked radio button shows: 1 for "Profiles", else 0.
    int32_t ShownKind() const;
    // The record of the first selected item; none when nothing is selected or
    // its user is no longer in the list.
    UserRecord* SelectedUser() const;

    // The event handlers.
    void rbtnUserClick();
    void rbtnProfileClick();
    void lblUserAddClick();
    void lblUserDelClick();
    void lblUserRenameClick();

    enum ControlId {
        idRbtnUser = 10, idRbtnProfile, idLbxUser, idImgUserAdd, idLblUserAdd, idImgUserDel, idLblUserDel,
        idImgUserRename, idLblUserRename, idLblUsers,
    };

protected:
    void OnCommand(int id, int code, HWND control) override;

private:
    RunState& run_;
    void FormCreate();
    // Runs the name dialog for `user` (none: add mode) and refills the list on OK.
    void EditUser(const UserRecord* user);
    void NotifyUsersChanged();

    std::function<void()> usersChanged_;
};

}  // namespace corvane
