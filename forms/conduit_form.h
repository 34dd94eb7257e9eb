// "Conduit Management": for one user or profile at a time, every installed
// conduit with the action it takes at the next HotSync, a check box to enable
// or disable it, a popup menu of the four actions, the conduit's own settings
// ("Custom") and HotSync's default settings ("Default").
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstdint>

#include "conduit_list.h"
#include "form.h"
#include "user_list.h"

namespace corvane {

struct RunState;

class TfrmCM : public Form {
public:
    // Creates the page in `host`, hidden until shown, and runs FormCreate.
    TfrmCM(HWND host, RunState& run);
    // Frees the shared conduit list (FormDestroy); the user list stays.
    ~TfrmCM() override;

    // Refills the user chooser from the shared user list after users were
    // added, deleted or renamed, keeping the chosen user when it still exists.
    void UsersChanged();

    // The shared list's record of the chosen user; none when no user is
    // chosen or the user is no longer in the list.
    UserRecord* SelectedUser() const;

    // The operations of the page.
    void FillConduitView(const ConduitList* list, HWND view, uint32_t userId);
    bool EnableConduit(int row, bool on);
    bool SetConduitAction(int row, int32_t action);

    // Whether a row's conduit was last applied as enabled: the row's "Index"
    // marker, compared with its check box to find the rows the person changed.
    bool RowApplied(int row) const;

    // The event handlers.
    void cbUserChange();
    void lvCondClick();
    void lvCondDblClick();
    // Returns true when the key was the space bar on a selected row.
    bool lvCondKeyDown(WORD key);
    void cbPermanentClick();
    void lblCustomClick();
    void lblDefaultClick();
    // Opens pmnuCond on the selected row at `at` (screen coordinates).
    void pmnuCondPopup(POINT at);

    enum ControlId {
        idLblUser = 10, idCbUser, idLvCond, idCbPermanent, idImgCustom, idImgDefault, idLblCustom, idLblDefault,
        idLblConduits,
    };
    // The items of pmnuCond; each sets the action of its place (0 to 3).
    enum MenuId { pmiSynchronize = 100, pmiPCToHH, pmiHHToPC, pmiDoNothing };

protected:
    void OnCommand(int id, int code, HWND control) override;
    LRESULT OnNotify(NMHDR* header) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    RunState& run_;
    void FormCreate();
    void FormDestroy();
    void OnListNotify(NMHDR* header);
    // The list's context menu, from the mouse or the keyboard.
    void OnContextMenu(LPARAM position);
    // Shows `action` in the row: its text, its "Index" marker and, when
    // `setBox`, its check box.
    void ShowRowAction(int row, int32_t action, bool applied, bool setBox);
    // Writes `action` for the user to Palm Desktop. When Palm Desktop
    // refuses, tells the person, shows the action it holds and gives false.
    bool WriteAction(int row, uint32_t userId, ConduitRecord& record, int32_t action);
    // Brings every row's check box in line with its marker (posted after a
    // refusal, once the list view has finished toggling the box itself).
    void SyncCheckBoxes();

    bool filling_ = false;  // the program itself is changing check boxes
};

}  // namespace corvane
