#include "intro_form.h"

#include <string>

#include "controls.h"
#include "run_state.h"
#include "product.h"

namespace corvane {
namespace {

using Id = TfrmIntro::ControlId;

const ControlSpec kTitle = {ControlKind::Label, Id::idLblTitle, 18, 11, 161, 16, "Welcome to Corvane!"};

// Each paragraph is one text that wraps as a paragraph, from the top of its
// first line down to the bottom of its last, with room for a line more when
// the font is wider than the one the page was drawn for.
const ControlSpec kPlainLabels[] = {
    {ControlKind::Label, Id::idLblMain1, 18, 28, 242, 40,
     "Corvane is a handy tool to manage your HotSync job with Palm devices easily."},
    {ControlKind::Label, Id::idLblCM2, 18, 88, 237, 39, "This utility helps you manage the installed conduits on your PC. "},
    {ControlKind::Label, Id::idLblUM2, 18, 148, 245, 26, "Manage the users in your Palm Desktop application."},
    {ControlKind::Label, Id::idLblSche2, 18, 198, 199, 13, "Schedule your HotSync task as you need."},
};

const ControlSpec kBoldLabels[] = {
    {ControlKind::Label, Id::idLblCM1, 18, 75, 124, 13, "Conduit Management:"},
    {ControlKind::Label, Id::idLblUM1, 18, 133, 107, 13, "User Management:"},
    {ControlKind::Label, Id::idLblSche1, 18, 183, 110, 13, "HotSync Schedule:"},
};

const ControlSpec kShowAtStartup = {ControlKind::CheckBox, Id::idCbxShow, 18, 252, 152, 17,
                                    "Show t&his page at startup", 0, BS_FLAT};

// The labels of each section, by hover number.
struct SectionLabel {
    int Id;
    int Section;
};

constexpr SectionLabel kSectionLabels[] = {
    {Id::idLblCM1, 0}, {Id::idLblCM2, 0}, {Id::idLblUM1, 1},
    {Id::idLblUM2, 1}, {Id::idLblSche1, 2}, {Id::idLblSche2, 2},
};

const std::string& SupportText() {
    static const std::string text = std::string("Technique Support: ") + kSupportAddress;
    return text;
}

}  // namespace

TfrmIntro::TfrmIntro(HWND host, RunState& run) : run_(run) {
    CreatePage("TfrmIntro", host);
    SetWindowTextA(Handle(), "Introduction to Corvane");
    ControlLook plain;
    plain.Font = FontKind::Normal;
    plain.Wrap = true;
    ControlLook bold;
    bold.Font = FontKind::Bold;
    // One at a time: no label shares its line with another control, so none needs fitting again.
    ControlLook title;
    title.Font = FontKind::Title;
    AddControl(kTitle, title);
    for (const ControlSpec& label : kPlainLabels) AddControl(label, plain);
    for (const ControlSpec& label : kBoldLabels) AddControl(label, bold);
    ControlLook support;
    support.Text = kSupportColor;
    support.Font = FontKind::Link;
    support.HandCursor = true;
    support.Wrap = true;
    // Two lines, ending where the original's one line did.
    AddControl({ControlKind::Label, Id::idLblSupport, 18, 219, 198, 26, SupportText().c_str()}, support);
    AddControl(kShowAtStartup, plain);
    // Screen readers read in z-order: each heading before its paragraph.
    SetTabOrder({Id::idLblTitle, Id::idLblMain1, Id::idLblCM1, Id::idLblCM2, Id::idLblUM1, Id::idLblUM2, Id::idLblSche1,
                 Id::idLblSche2});
    FormCreate();
}

void TfrmIntro::FormCreate() {
    SetBackColor(kPageColor);
    SetChecked(Control(Id::idCbxShow), run_.Options.ShowHelp == 1);
}

void TfrmIntro::HighlightSection(int hoverNumber) {
    for (const SectionLabel& label : kSectionLabels) {
        SetLabelColor(label.Id, label.Section == hoverNumber ? kSectionLit : kLabelTextColor);
    }
}

void TfrmIntro::cbxShowClick() {
    run_.PersonSet(&TOptions::ShowHelp, IsChecked(Control(Id::idCbxShow)) ? 1 : 0);
}

void TfrmIntro::lblSupportClick() { Ui().ShellOpen(Handle(), (std::string("mailto:") + kSupportAddress).c_str()); }

void TfrmIntro::OnCommand(int id, int code, HWND) {
    if (id == Id::idCbxShow && code == BN_CLICKED) cbxShowClick();
    if (id == Id::idLblSupport && code == STN_CLICKED) lblSupportClick();
}

}  // namespace corvane
