#include "about_form.h"

#include "corvane_version.h"
#include "product.h"
#include "resource_ids.h"

namespace corvane {
namespace {

constexpr int kClientWidth = 355;
constexpr int kClientHeight = 160;

using Id = TfrmAbout::ControlId;

const ControlSpec kIcon = {ControlKind::Icon, Id::idImgIcon, 24, 16, 32, 32, IDI_ICONMAIN};
const ControlSpec kName = {ControlKind::Label, Id::idLabel1, 88, 16, 137, 13, "Brightfen Corvane V1.2"};
const ControlSpec kPlainLabels[] = {
    {ControlKind::Label, Id::idLabel2, 88, 48, 182, 13, CORVANE_COPYRIGHT},
    {ControlKind::Label, Id::idLabel3, 89, 66, 86, 13, "All rights reserved."},
    {ControlKind::Label, Id::idLabel4, 87, 86, 122, 13, "For more information, visit "},
};
// On the line below the sentence it ends: the two do not fit on one line of the box.
const ControlSpec kHomeLink = {ControlKind::Label, Id::idLabel5, 87, 101, 82, 13, HomePageShown()};
const ControlSpec kOk = {ControlKind::Button, Id::idBtnOK, 260, 117, 75, 25, "&OK"};

}  // namespace

TfrmAbout::TfrmAbout(HWND owner) {
    CreateDialogWindow("TfrmAbout", owner, "About Corvane", kClientWidth, kClientHeight);
    ControlLook plain;
    plain.Text = GetSysColor(COLOR_BTNTEXT);
    plain.Back = BackColor();
    plain.Font = FontKind::Normal;
    ControlLook bold = plain;
    bold.Font = FontKind::Bold;
    ControlLook link = plain;
    link.Text = kLinkColor;
    link.Font = FontKind::Link;
    link.HandCursor = true;
    AddControl(kIcon);
    AddControl(kName, bold);
    AddControls(kPlainLabels, std::size(kPlainLabels), plain);
    AddControl(kHomeLink, link);
    // Last in Tab order, as it is in reading order; Enter presses it, Esc closes as the close box does.
    AddControl(kOk, plain);
    SetDefaultControl(Id::idBtnOK);
    SetInitialFocus(Id::idBtnOK);
}

void TfrmAbout::btnOKClick() { EndModal(mrOk); }

void TfrmAbout::Label5Click() { Ui().ShellOpen(Handle(), kHomePage); }

void TfrmAbout::OnCommand(int id, int code, HWND) {
    switch (id) {
        case Id::idBtnOK:
            if (code == BN_CLICKED) btnOKClick();
            break;
        case Id::idLabel5:
            if (code == STN_CLICKED) Label5Click();
            break;
        default:
            break;
    }
}

}  // namespace corvane
