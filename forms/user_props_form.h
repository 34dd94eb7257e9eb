// "User Properties": the modal dialog in which a name is typed to add a user
// or profile, or to rename one.
#pragma once

#include <windows.h>

#include <cstdint>

#include "form.h"
#include "user_list.h"

namespace corvane {

struct RunState;

// Tells the person that User Data refused a change ("add", "rename" or
// "delete") of the user or profile `name`: the list stays as User Data has it.
void ShowUserDataRefusal(HWND owner, const char* change, const char* name);

class TfrmUsrProp : public Form {
public:
    // Creates the hidden dialog, owned by `owner`'s top-level window.
    TfrmUsrProp(HWND owner, RunState& run);

    // Prepares rename mode for a copy of `user`, or add mode when it is null
    // (or its user ID is 0); `kind` is what Add creates. Returns true.
    bool Prepare(const UserRecord* user, int32_t kind);

    // Checks the typed name and applies it; closes with OK unless it is empty.
    void btnOKClick();

    // Whether the last OK changed the shared user list.
    bool ListChanged() const { return listChanged_; }
    bool RenameMode() const { return FUser.UserID != 0; }

    enum ControlId { idLabel1 = 10, idEdtUserName, idBtnOK, idBtnCancel };

protected:
    void OnCommand(int id, int code, HWND control) override;

private:
    RunState& run_;
    UserRecord FUser;
    int32_t FProfile = 0;
    bool listChanged_ = false;
};

}  // namespace corvane
