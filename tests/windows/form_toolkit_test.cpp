#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "controls.h"
#include "form.h"
#include "list_view.h"
#include "popup_menu.h"
#include "resource_ids.h"

namespace corvane {
namespace {

// A small page with one control of each kind the later windows need.
class SamplePage : public Form {
public:
    enum { idLabel = 1, idImage, idPanel, idInPanel, idList, idCheck };

    SamplePage() : host_(CreateWindowExA(0, "STATIC", "host", WS_POPUP, 0, 0, 300, 300, nullptr, nullptr, nullptr, nullptr)) {
        CreatePage("SamplePage", host_, 300, 300);
        SetBackColor(kPageColor);
        AddControl({ControlKind::Image, idImage, 10, 10, 55, 23, IDB_BUTTON});
        ControlLook link;
        link.HandCursor = true;
        link.Backdrop = idImage;
        AddControl({ControlKind::Label, idLabel, 20, 15, 40, 13, "Custom"}, link);
        AddControl({ControlKind::Panel, idPanel, 0, 40, 300, 40});
        AddControl({ControlKind::CheckBox, idInPanel, 5, 5, 100, 17, "Inside", idPanel});
        AddControl({ControlKind::ListViewReport, idList, 10, 90, 268, 168});
        AddControl({ControlKind::CheckBox, idCheck, 10, 270, 200, 17, "Update"});
    }

    ~SamplePage() override {
        if (Handle() != nullptr) DestroyWindow(Handle());
        DestroyWindow(host_);
    }

    int Clicks = 0;
    int PanelClicks = 0;

private:
    HWND host_;

protected:
    void OnCommand(int id, int code, HWND) override {
        if (id == idLabel && code == STN_CLICKED) ++Clicks;
        if (id == idInPanel && code == BN_CLICKED) ++PanelClicks;
    }
};

TEST(FormToolkit, FindsControlsInPanelsAndPassesTheirEventsOn) {
    SamplePage page;
    ASSERT_NE(page.Control(SamplePage::idInPanel), nullptr);
    EXPECT_EQ(GetParent(page.Control(SamplePage::idInPanel)), page.Control(SamplePage::idPanel));
    SendMessageA(page.Control(SamplePage::idInPanel), BM_CLICK, 0, 0);
    EXPECT_EQ(page.PanelClicks, 1);
    EXPECT_TRUE(IsChecked(page.Control(SamplePage::idInPanel)));
    SendMessageA(page.Handle(), WM_COMMAND, MAKEWPARAM(SamplePage::idLabel, STN_CLICKED),
                 reinterpret_cast<LPARAM>(page.Control(SamplePage::idLabel)));
    EXPECT_EQ(page.Clicks, 1);
    page.SetLabelText(SamplePage::idLabel, "Default");
    EXPECT_EQ(TextOf(page.Control(SamplePage::idLabel)), "Default");
}

// The form sets the cursor itself (and says so) only over clickable labels.
TEST(FormToolkit, ClickableLabelsShowAHandCursor) {
    SamplePage page;
    EXPECT_EQ(SendMessageA(page.Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(page.Control(SamplePage::idLabel)),
                           HTCLIENT),
              TRUE);
    EXPECT_EQ(SendMessageA(page.Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(page.Control(SamplePage::idPanel)),
                           HTCLIENT),
              FALSE);
}

TEST(FormToolkit, ReportListKeepsCheckStatesAndHiddenCells) {
    SamplePage page;
    HWND list = page.Control(SamplePage::idList);
    AddListColumn(list, 0, "Type", 115);
    AddListColumn(list, 1, "Current Action", 130);
    AddListColumn(list, 2, "Index", 0);
    for (const char* name : {"Date Book", "Memo Pad"}) {
        const int row = AddListRow(list, name);
        SetListCell(list, row, 1, "Do nothing");
        SetListCell(list, row, 2, row == 0 ? "1" : "0");
        SetRowChecked(list, row, row == 0);
    }
    ASSERT_EQ(ListRowCount(list), 2);
    EXPECT_TRUE(RowChecked(list, 0));
    EXPECT_FALSE(RowChecked(list, 1));
    EXPECT_EQ(ListCell(list, 1, 0), "Memo Pad");
    EXPECT_EQ(ListCell(list, 0, 2), "1");
    EXPECT_EQ(ListView_GetColumnWidth(list, 2), 0);
    SelectListRow(list, 1);
    EXPECT_EQ(SelectedListRow(list), 1);
}

TEST(FormToolkit, TimersRunUntilStoppedOrDestroyed) {
    SamplePage page;
    page.StartTimer(7, 60000);
    EXPECT_TRUE(page.TimerRunning(7));
    page.StopTimer(7);
    EXPECT_FALSE(page.TimerRunning(7));
}

TEST(FormToolkit, PopupMenusHoldTheirItemsInOrder) {
    const PopupMenu menu({{10, "Synchronize the files"}, {11, "Desktop overwrite Handheld"}, {13, "Do Nothing"}});
    ASSERT_EQ(GetMenuItemCount(menu.Handle()), 3);
    char caption[64];
    GetMenuStringA(menu.Handle(), 2, caption, sizeof caption, MF_BYPOSITION);
    EXPECT_STREQ(caption, "Do Nothing");
    EXPECT_EQ(GetMenuItemID(menu.Handle(), 1), 11u);
}

}  // namespace
}  // namespace corvane
