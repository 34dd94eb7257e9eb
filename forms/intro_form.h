// "Introduction to Corvane": page 0 of the main window. A welcome text that
// names the program's three functions, lights up the one whose navigation
// button the mouse is over, offers the support address, and decides whether
// the program opens on this page.
#pragma once

#include <windows.h>

#include "form.h"

namespace corvane {

struct RunState;

class TfrmIntro : public Form {
public:
    // Creates the page in `host`, filling it, hidden until shown.
    TfrmIntro(HWND host, RunState& run);

    // Lights up section `hoverNumber` (0 conduits, 1 users, 2 schedule) and
    // turns the others white; any other number turns every section white.
    void HighlightSection(int hoverNumber);

    // The event handlers.
    void cbxShowClick();
    void lblSupportClick();

    enum ControlId {
        idLblTitle = 10, idLblMain1, idLblCM1, idLblCM2, idLblUM1, idLblUM2, idLblSche1,
        idLblSche2, idLblSupport, idCbxShow,
    };

    static constexpr COLORREF kSectionLit = RGB(255, 255, 0);
    static constexpr COLORREF kSupportColor = RGB(0, 255, 0);

protected:
    void OnCommand(int id, int code, HWND control) override;

private:
    RunState& run_;
    void FormCreate();
};

}  // namespace corvane
