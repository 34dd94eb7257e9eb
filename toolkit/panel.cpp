#include "panel.h"

#include "look.h"

namespace corvane {
namespace {

// A panel paints itself in its colour (the system's under high contrast) and
// passes the notifications of the controls it holds on to its own parent, the form.
LRESULT CALLBACK PanelProcedure(HWND panel, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND: {
            RECT area;
            GetClientRect(panel, &area);
            const auto color = static_cast<COLORREF>(GetWindowLongPtrA(panel, GWLP_USERDATA));
            FillRect(reinterpret_cast<HDC>(wParam), &area, SolidBrush(ThemeColor(color, COLOR_BTNFACE)));
            return 1;
        }
        case WM_COMMAND:
        case WM_NOTIFY:
        case WM_DRAWITEM:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_SETCURSOR:
        case WM_CONTEXTMENU:
            return SendMessageA(GetParent(panel), message, wParam, lParam);
        default:
            return DefWindowProcA(panel, message, wParam, lParam);
    }
}

}  // namespace

void RegisterPanelClass() {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA panelClass{};
    if (GetClassInfoA(instance, kPanelClassName, &panelClass)) return;
    panelClass.lpfnWndProc = PanelProcedure;
    panelClass.hInstance = instance;
    panelClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    panelClass.lpszClassName = kPanelClassName;
    RegisterClassA(&panelClass);
}

}  // namespace corvane
