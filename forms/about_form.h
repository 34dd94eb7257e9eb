// "About Corvane": the program's icon, name, maker's notice and home page,
// shown modally from the notification-area menu.
#pragma once

#include <windows.h>

#include "form.h"

namespace corvane {

class TfrmAbout : public Form {
public:
    // Creates the hidden box, owned by `owner`'s top-level window.
    explicit TfrmAbout(HWND owner);

    // The event handlers.
    void btnOKClick();
    void Label5Click();

    enum ControlId { idImgIcon = 10, idLabel1, idLabel2, idLabel3, idLabel4, idLabel5, idBtnOK };

    static constexpr COLORREF kLinkColor = RGB(0, 0, 255);

protected:
    void OnCommand(int id, int code, HWND control) override;
};

}  // namespace corvane
