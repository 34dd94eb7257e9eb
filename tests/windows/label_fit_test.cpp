#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "about_form.h"
#include "application.h"
#include "conduit_form.h"
#include "controls.h"
#include "dpi.h"
#include "intro_form.h"
#include "list_view.h"
#include "main_form.h"
#include "options.h"
#include "run_fixture.h"
#include "product.h"
#include "recording_ui.h"
#include "remind_form.h"
#include "schedule_form.h"
#include "shared_lists.h"
#include "user_form.h"
#include "user_props_form.h"
#include "program_driver.h"
#include "win_handles.h"
#include "window_samples.h"

namespace corvane {
namespace {

using testing::ClassOf;
using testing::Describe;
using testing::IsClass;
using testing::kWindows;
using testing::StyleOf;
using testing::WindowBuilder;

// `text` laid out in the control's own font within `width`, wrapped at spaces;
// a mnemonic's '&' takes no room.
SIZE TextExtent(HWND control, const std::string& text, int width) {
    HDC dc = GetDC(control);
    HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0)));
    RECT area{0, 0, std::max(width, 1), 0};
    const bool plain = IsClass(control, "Static") && (StyleOf(control) & SS_NOPREFIX) != 0;
    const UINT prefix = text.find('&') != std::string::npos && !plain ? 0 : DT_NOPREFIX;
    DrawTextA(dc, text.c_str(), -1, &area, DT_CALCRECT | DT_WORDBREAK | prefix);
    SelectObject(dc, previous);
    ReleaseDC(control, dc);
    return {area.right, area.bottom};
}

// Room a control takes beside its text, or -1 for a control that shows no text of its own.
int TextMargin(HWND control) {
    if (IsClass(control, "Static")) return (StyleOf(control) & SS_TYPEMASK) == SS_OWNERDRAW ? 0 : -1;
    if (!IsClass(control, "Button")) return -1;
    switch (StyleOf(control) & BS_TYPEMASK) {
        case BS_GROUPBOX: return 16;
        case BS_OWNERDRAW: return 0;  // a label that acts as a button
        default: return 8;
    }
}

RECT RectIn(HWND window, HWND ancestor) {
    RECT rect;
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, ancestor, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

bool Overlap(const RECT& a, const RECT& b) {
    RECT common;
    return IntersectRect(&common, &a, &b) != FALSE;
}

bool Contains(const RECT& outer, const RECT& inner) {
    RECT both;
    return UnionRect(&both, &outer, &inner) && EqualRect(&both, &outer);
}

// A page hosted in another window is a form of its own, checked as a whole.
bool IsPage(HWND window) { return Window::FromHandle(window) != nullptr; }

// The controls a form is made of, its pages' and panels' too; not the parts
// a control makes of itself (a picker's arrows, a list's header).
std::vector<HWND> LaidOutControls(HWND form) {
    std::vector<HWND> found = testing::ChildWindows(form);
    found.erase(std::remove_if(found.begin(), found.end(),
                               [](HWND window) {
                                   HWND parent = GetParent(window);
                                   return !IsPage(parent) && !IsClass(parent, "CorvanePanel");
                               }),
                found.end());
    return found;
}

bool IsPicture(HWND control) {
    const DWORD type = StyleOf(control) & SS_TYPEMASK;
    return IsClass(control, "Static") && (type == SS_BITMAP || type == SS_ICON);
}

bool IsCheckOrRadio(HWND control) {
    const DWORD type = StyleOf(control) & BS_TYPEMASK;
    return IsClass(control, "Button") && (type == BS_AUTOCHECKBOX || type == BS_AUTORADIOBUTTON);
}

// A check box or radio button is as wide as the system says its box and text need.
void CheckBoxText(HWND control, std::vector<std::string>& faults) {
    SIZE ideal{0, 0};
    RECT client;
    GetClientRect(control, &client);
    if (!SendMessageA(control, BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal))) {
        faults.push_back(Describe(control) + " tells no size it needs");
    } else if (ideal.cx > client.right) {
        faults.push_back(Describe(control) + " needs " + std::to_string(ideal.cx) + " pixels, has " +
                         std::to_string(client.right));
    }
}

void CheckText(HWND control, std::vector<std::string>& faults) {
    if (IsCheckOrRadio(control)) return CheckBoxText(control, faults);
    const int margin = TextMargin(control);
    const std::string text = TextOf(control);
    if (margin < 0 || text.empty()) return;
    RECT client;
    GetClientRect(control, &client);
    const SIZE needed = TextExtent(control, text, client.right - margin);
    if (needed.cx + margin > client.right || needed.cy > client.bottom) {
        faults.push_back(Describe(control) + " needs " + std::to_string(needed.cx + margin) + " x " +
                         std::to_string(needed.cy) + " pixels, has " + std::to_string(client.right) + " x " +
                         std::to_string(client.bottom));
    }
}

// Every cell and column caption of a report list shows whole (hidden columns aside).
void CheckListCells(HWND list, std::vector<std::string>& faults) {
    if (!IsClass(list, WC_LISTVIEWA) || (StyleOf(list) & LVS_TYPEMASK) != LVS_REPORT) return;
    const int columns = Header_GetItemCount(ListView_GetHeader(list));
    for (int column = 0; column < columns; ++column) {
        const int width = ListView_GetColumnWidth(list, column);
        if (width == 0) continue;
        char caption[64] = "";
        LVCOLUMNA info{};
        info.mask = LVCF_TEXT;
        info.pszText = caption;
        info.cchTextMax = sizeof caption;
        ListView_GetColumn(list, column, &info);
        if (ListView_GetStringWidth(list, caption) + 12 > width) faults.push_back(std::string("column ") + caption + " is cut");
        for (int row = 0; row < ListView_GetItemCount(list); ++row) {
            const std::string cell = ListCell(list, row, column);
            RECT label{};
            ListView_GetSubItemRect(list, row, column, LVIR_LABEL, &label);
            if (ListView_GetStringWidth(list, cell.c_str()) + 12 > label.right - label.left) {
                faults.push_back("cell \"" + cell + "\" is cut at " + std::to_string(label.right - label.left));
            }
        }
    }
}

// A control lies within every window it is shown in, up to the form.
void CheckInside(HWND form, HWND control, std::vector<std::string>& faults) {
    for (HWND ancestor = GetParent(control); ancestor != nullptr; ancestor = GetParent(ancestor)) {
        RECT client;
        GetClientRect(ancestor, &client);
        if (!Contains(client, RectIn(control, ancestor))) {
            faults.push_back(Describe(control) + " leaves " + Describe(ancestor));
            return;
        }
        if (ancestor == form) return;
    }
}

// Siblings never overlap, but for a label over its picture, controls within a
// group box, and pictures that make one strip together.
void CheckOverlap(HWND control, std::vector<std::string>& faults) {
    const RECT own = RectIn(control, GetParent(control));
    for (HWND other = GetWindow(control, GW_HWNDNEXT); other != nullptr; other = GetWindow(other, GW_HWNDNEXT)) {
        if (!(StyleOf(other) & WS_VISIBLE) || IsPage(other)) continue;
        const RECT theirs = RectIn(other, GetParent(other));
        if (!Overlap(own, theirs)) continue;
        const auto holds = [](HWND outer, const RECT& outerRect, const RECT& innerRect) {
            const bool container = IsClass(outer, "Static") ? IsPicture(outer)
                                                              : (StyleOf(outer) & BS_TYPEMASK) == BS_GROUPBOX;
            return container && Contains(outerRect, innerRect);
        };
        const bool strip = IsPicture(control) && IsPicture(other);
        if (!strip && !holds(control, own, theirs) && !holds(other, theirs, own)) {
            faults.push_back(Describe(control) + " overlaps " + Describe(other));
        }
    }
}

// A window with an icon of its own shows it at the size the system asks for its title bar.
void CheckSmallIcon(HWND form, std::vector<std::string>& faults) {
    ICONINFO info{};
    const auto icon = reinterpret_cast<HICON>(GetClassLongPtrA(form, GCLP_HICONSM));
    if (icon == nullptr || !GetIconInfo(icon, &info)) return;
    BITMAP picture{};
    GetObjectA(info.hbmMask, sizeof picture, &picture);
    if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    if (picture.bmWidth != GetSystemMetrics(SM_CXSMICON)) {
        faults.push_back("small icon " + std::to_string(picture.bmWidth) + " pixels wide");
    }
}

// Every fault of a form's layout: cut texts and cells, controls outside their
// window, overlapping controls, an icon of the wrong size.
std::vector<std::string> LayoutFaults(HWND form) {
    std::vector<std::string> faults;
    CheckSmallIcon(form, faults);
    for (HWND control : LaidOutControls(form)) {
        if (!(StyleOf(control) & WS_VISIBLE) || IsPage(control)) continue;
        CheckText(control, faults);
        CheckListCells(control, faults);
        CheckInside(form, control, faults);
        CheckOverlap(control, faults);
    }
    return faults;
}

// Every window with the demo Palm Desktop's users and conduits, and a schedule list.
class LabelFitTest : public testing::RunTest {
protected:
    void SetUp() override {
        RunTest::SetUp();
        run_.Lists.Users = UserListCreate(run_.Palm);
        // Room for any page at the screen's scaling.
        host_ = CreateWindowExA(0, "STATIC", "host", WS_POPUP, 0, 0, Scaled(300), Scaled(460), nullptr, nullptr,
                                nullptr, nullptr);
    }
    void TearDown() override {
        DestroyWindow(host_);
        RunTest::TearDown();
    }

    testing::RecordingUi ui_;
    HWND host_ = nullptr;
};

// Run at the screen's scaling; CORVANE_TEST_DPI names the one it must be.
TEST_F(LabelFitTest, EveryTextIsWholeAndEveryControlInItsOwnPlace) {
    char expected[8] = "";
    if (GetEnvironmentVariableA("CORVANE_TEST_DPI", expected, sizeof expected) > 0) {
        HDC screen = GetDC(nullptr);
        ASSERT_EQ(atoi(expected), GetDeviceCaps(screen, LOGPIXELSY));
        ReleaseDC(nullptr, screen);
    }
    for (const WindowBuilder& builder : kWindows) {
        SCOPED_TRACE(builder.Name);
        const std::unique_ptr<Form> window = builder.Build(host_, run_);
        ASSERT_TRUE(window->Created());
        for (const std::string& fault : LayoutFaults(window->Handle())) ADD_FAILURE() << fault;
    }
}

// Sets the screen's scaling of the programs started from now on (Wine reads
// it at each start) and puts back the one before when it goes.
class ScreenScaling {
public:
    explicit ScreenScaling(DWORD dpi) {
        RegCreateKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE,
                        nullptr, key_.Receive(), nullptr);
        DWORD size = sizeof before_;
        had_ = RegQueryValueExA(key_.Get(), "LogPixels", nullptr, nullptr, reinterpret_cast<BYTE*>(&before_), &size) == 0;
        RegSetValueExA(key_.Get(), "LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi), sizeof dpi);
    }
    ~ScreenScaling() {
        if (!had_) RegDeleteValueA(key_.Get(), "LogPixels");
        if (had_) RegSetValueExA(key_.Get(), "LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&before_), 4);
    }

private:
    RegistryKey key_;
    DWORD before_ = 0;
    bool had_ = false;
};

// The same walk in a copy of this test program started at 150 %.
TEST(LabelFitAtScaling, EveryTextIsWholeAt150Percent) {
    if (GetEnvironmentVariableA("CORVANE_TEST_DPI", nullptr, 0) > 0) GTEST_SKIP() << "already the scaled copy";
    char self[MAX_PATH] = "";
    ASSERT_GT(GetModuleFileNameA(nullptr, self, MAX_PATH), 0u);
    const ScreenScaling scaling(144);
    SetEnvironmentVariableA("CORVANE_TEST_DPI", "144");
    testing::ProgramRun copy;
    const bool started = copy.Start(self, "--gtest_filter=LabelFitTest.EveryTextIsWholeAndEveryControlInItsOwnPlace");
    SetEnvironmentVariableA("CORVANE_TEST_DPI", nullptr);
    ASSERT_TRUE(started);
    EXPECT_EQ(0u, copy.ExitCode(120000)) << "the windows at 150 % (above)";
}

}  // namespace
}  // namespace corvane
