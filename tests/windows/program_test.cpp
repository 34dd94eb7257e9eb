// The main window, its icon and menu, the introduction page and the about
// box, driven in process against the demo Palm Desktop (users 1001 Alice
// Martin, 1002 Bob Lee, 1003 Travel).
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "about_form.h"
#include "app_lifetime.h"
#include "application.h"
#include "conduit_form.h"
#include "controls.h"
#include "data_problem_message.h"
#include "icon_win.h"
#include "intro_form.h"
#include "main_form.h"
#include "options.h"
#include "palm_libraries.h"
#include "run_fixture.h"
#include "program_driver.h"
#include "product.h"
#include "recording_ui.h"
#include "schedule_form.h"
#include "shared_lists.h"
#include "user_form.h"
#include "user_props_form.h"

namespace corvane {
namespace {

using Id = TfrmMain::ControlId;

class MainFormTest : public testing::RunTest {
protected:
    void SetUp() override {
        RunTest::SetUp();
        run_.Options.Hide = 1;
        App().Initialize(kAppTitle);
    }
    void TearDown() override {
        form_.reset();
        RunTest::TearDown();
    }

    TfrmMain& Open() {
        form_.reset();
        App().HideTaskbarEntry();
        run_.TrayIcon = std::make_unique<TIconWin>();
        form_ = std::make_unique<TfrmMain>(run_);
        return *form_;
    }
    HWND Control(int id) const { return form_->Control(id); }
    std::string Status() const { return TextOf(Control(Id::idLblStatus)); }
    static void ClickLabel(const Form& form, int id) {
        SendMessageA(form.Handle(), WM_COMMAND, MAKEWPARAM(id, STN_CLICKED), reinterpret_cast<LPARAM>(form.Control(id)));
    }
    // Page n's window: whether it exists, and whether it is set to show.
    std::string Pages() const {
        const Form* pages[] = {form_->IntroPage(), form_->ConduitPage(), form_->UserPage(), form_->SchedulePage()};
        std::string state;
        for (const Form* page : pages) state += page == nullptr ? '-' : IsShown(page->Handle()) ? 'S' : 'h';
        return state;
    }

    testing::RecordingUi ui_;
    std::unique_ptr<TfrmMain> form_;
};

TEST_F(MainFormTest, TheStartPageFollowsTheSettings) {
    const struct {
        int32_t ShowHelp, FormIndex, Hide;
        bool Visible;
        const char* Status;
        const char* Pages;  // a hidden start makes its start page when first shown, but the schedule page
        const char* PagesShown;
    } starts[] = {
        {1, 3, 0, true, "Divu Vuri Zor!", "S---", "S---"},
        {0, 2, 1, false, "User Management", "----", "--S-"},
        {0, 3, 1, false, "Schedule HotSync Task", "---S", "---S"},
        {0, 7, 1, false, "lblStatus", "----", "----"},
    };
    for (const auto& start : starts) {
        SCOPED_TRACE(start.Status);
        run_.Options.ShowHelp = start.ShowHelp;
        run_.Options.FormIndex = start.FormIndex;
        run_.Options.Hide = start.Hide;
        TfrmMain& form = Open();
        EXPECT_EQ(form.Visible(), start.Visible);
        EXPECT_EQ(IsWindowVisible(App().Handle()) != FALSE, start.Visible);
        EXPECT_EQ(Status(), start.Status);
        EXPECT_EQ(Pages(), start.Pages);
        EXPECT_EQ(form.PageIndex(), start.ShowHelp == 1 ? 0 : start.FormIndex);
        EXPECT_EQ(run_.Options.FormIndex, form.PageIndex());
        EXPECT_EQ(run_.Options.Hide, 1);
        form.ShowMain();
        EXPECT_EQ(Pages(), start.PagesShown);
        form_.reset();
        EXPECT_EQ(run_.TrayIcon->MainForm(), nullptr);  // let go with the window
    }
}

TEST_F(MainFormTest, PagesAreMadeOnceAndEveryChooserFollowsTheUserPage) {
    Open().ShowMain();  // shown, with its start page, the introduction
    HWND conduits = Control(Id::idSbtnCM);
    SendMessageA(conduits, BM_CLICK, 0, 0);
    const TfrmCM* conduitPage = form_->ConduitPage();
    SendMessageA(Control(Id::idSbtnSche), BM_CLICK, 0, 0);
    SendMessageA(Control(Id::idSbtnUM), BM_CLICK, 0, 0);
    SendMessageA(conduits, BM_CLICK, 0, 0);
    EXPECT_EQ(form_->ConduitPage(), conduitPage);
    EXPECT_EQ(Pages(), "hShh");
    EXPECT_EQ(Status(), "Conduit Management");
    EXPECT_EQ(run_.Options.FormIndex, 1);
    EXPECT_NE(GetFocus(), conduits);

    ui_.OnModal = [](HWND dialog) {
        SetWindowTextA(GetDlgItem(dialog, TfrmUsrProp::idEdtUserName), "Carol Diaz");
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(TfrmUsrProp::idBtnOK, BN_CLICKED), 0);
    };
    form_->UserPage()->lblUserAddClick();
    EXPECT_EQ(ComboCount(form_->ConduitPage()->Control(TfrmCM::idCbUser)), 4);
    EXPECT_EQ(ComboCount(form_->SchedulePage()->Control(TfrmSche::idCbxUser)), 4);
}

TEST_F(MainFormTest, HoverLightsTheButtonAndTheIntroductionsSection) {
    Open().ShowMain();
    const auto lit = [this] {
        std::string state;
        for (int i = 0; i < 3; ++i) state += form_->ButtonCaptionColor(i) == TfrmMain::kHoverColor ? 'B' : '.';
        const TfrmIntro& intro = *form_->IntroPage();
        for (int id = TfrmIntro::idLblCM1; id <= TfrmIntro::idLblSche2; ++id) {
            state += intro.LookOf(intro.Control(id))->Text == TfrmIntro::kSectionLit ? 'Y' : '.';
        }
        return state;
    };
    // The system asks the window under the mouse for its cursor as the mouse moves.
    const auto moveOver = [this](int id) {
        SendMessageA(Control(id), WM_SETCURSOR, reinterpret_cast<WPARAM>(Control(id)), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    };
    moveOver(Id::idSbtnCM);
    moveOver(Id::idSbtnUM);
    EXPECT_EQ(lit(), ".B...YY..");
    SendMessageA(form_->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(300, 5));
    EXPECT_EQ(lit(), ".........");
    form_->sbtnScheClick();  // the introduction is hidden: only the buttons change
    moveOver(Id::idSbtnSche);
    EXPECT_EQ(lit(), "..B......");
}

TEST_F(MainFormTest, CloseHidesAndTheLinksOpenThroughTheShell) {
    TfrmMain& form = Open();
    form.ShowMain();
    ClickLabel(form, Id::idLblHelp);
    ClickLabel(form, Id::idLblHome);
    ClickLabel(*form.IntroPage(), TfrmIntro::idLblSupport);
    TfrmAbout about(App().Handle());
    ClickLabel(about, TfrmAbout::idLabel5);
    const std::vector<std::string> opened = {kHomePage, std::string("mailto:") + kSupportAddress, kHomePage};
    EXPECT_EQ(ui_.Opened, opened);
    // The help file by its wide path, whatever letters the folder's name holds.
    EXPECT_EQ(ui_.OpenedFiles, std::vector<std::wstring>{testing::WideExeDirectory() + L"cvdata\\cvhelp.chm"});

    ClickLabel(form, Id::idLblClose);
    EXPECT_FALSE(form.Visible());
    EXPECT_FALSE(IsWindowVisible(App().Handle()));
    // A power event never ends the program.
    EXPECT_EQ(SendMessageA(form.Handle(), WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, 0), TRUE);
    MSG closing;
    EXPECT_FALSE(PeekMessageA(&closing, form.Handle(), WM_CLOSE, WM_CLOSE, PM_REMOVE));
}

// Reads the open tray menu from inside its loop, then closes it.
struct OpenMenu {
    std::vector<std::string> Items;
    RECT Frame{};
    bool MainVisible = true;
};
OpenMenu seenMenu;
HWND seenMain = nullptr;

void CALLBACK ReadOpenMenu(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    HWND popup = FindWindowA("#32768", nullptr);
    auto menu = reinterpret_cast<HMENU>(SendMessageA(popup, MN_GETHMENU, 0, 0));
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        char text[64] = "";
        MENUITEMINFOA item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_STATE | MIIM_ID | MIIM_FTYPE | MIIM_STRING;
        item.dwTypeData = text;
        item.cch = sizeof text;
        GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &item);
        seenMenu.Items.push_back((item.fType & MFT_SEPARATOR) != 0 ? "-" : std::to_string(item.wID) + " " + text +
                                 ((item.fState & MFS_CHECKED) != 0 ? " *" : ""));
    }
    GetWindowRect(popup, &seenMenu.Frame);
    seenMenu.MainVisible = IsWindowVisible(seenMain) != FALSE;
    EndMenu();
}

TEST_F(MainFormTest, TheIconMenuMarksTheCurrentPageAndLeavesTheWindowHidden) {
    for (const int32_t page : {2, 7}) {
        run_.Options.ShowHelp = 0;
        run_.Options.FormIndex = page;
        seenMain = Open().Handle();
        seenMenu = {};
        // The menu opens at the anchor the shell gives (the icon, from the keyboard), not at the pointer.
        SetCursorPos(100, 100);
        SetTimer(nullptr, 0, 300, ReadOpenMenu);
        ASSERT_TRUE(run_.TrayIcon->KeyboardProtocol());
        SendMessageA(run_.TrayIcon->Handle(), WM_TRAYNOTIFY, MAKEWPARAM(600, 500), MAKELPARAM(WM_CONTEXTMENU, kTrayIconId));
        const std::vector<std::string> want = {"1000 &Help",
                                               "1001 &Conduit Management",
                                               page == 2 ? "1002 &User Management *" : "1002 &User Management",
                                               "1003 HotSync &Schedule",
                                               "-",
                                               "1100 &About Corvane",
                                               "-",
                                               "1101 E&xit"};
        EXPECT_EQ(seenMenu.Items, want);
        EXPECT_EQ(seenMenu.Frame.right, 600);
        EXPECT_EQ(seenMenu.Frame.bottom, 500);
        EXPECT_FALSE(seenMenu.MainVisible);
    }
}

TEST_F(MainFormTest, TheIconTogglesTheWindowAndItsCommandsShowIt) {
    TfrmMain& form = Open();
    HWND icon = run_.TrayIcon->Handle();
    EXPECT_TRUE(testing::IconInTray(icon));
    run_.TrayIcon->RemoveIcon();
    EXPECT_FALSE(testing::IconInTray(icon));
    run_.TrayIcon->AddIcon();  // as when the task bar restarts
    EXPECT_TRUE(testing::IconInTray(icon));
    for (const LPARAM click : {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_LBUTTONUP}) SendMessageA(icon, WM_TRAYNOTIFY, 0, click);
    EXPECT_TRUE(form.Visible());
    EXPECT_TRUE(IsWindowVisible(App().Handle()));
    SendMessageA(icon, WM_TRAYNOTIFY, 0, WM_LBUTTONDOWN);
    EXPECT_FALSE(form.Visible());
    EXPECT_FALSE(IsWindowVisible(App().Handle()));
    // Enter or Space on the icon shows the window with the focus on a control, and never hides it.
    for (int select = 0; select < 2; ++select) {
        SendMessageA(icon, WM_TRAYNOTIFY, 0, MAKELPARAM(NIN_KEYSELECT, kTrayIconId));
        EXPECT_TRUE(form.Visible());
        EXPECT_TRUE(IsChild(form.Handle(), GetFocus()));
    }
    form.HideMain();

    const struct {
        int Command;
        int32_t Page;
    } commands[] = {{cmConduits, 1}, {cmUsers, 2}, {cmSchedule, 3}, {cmHelp, 0}};
    for (const auto& command : commands) {
        SendMessageA(icon, WM_COMMAND, static_cast<WPARAM>(command.Command), 0);
        EXPECT_EQ(form.PageIndex(), command.Page) << command.Command;
    }
    EXPECT_TRUE(form.Visible());
    form.SetVisible(false);
    std::string caption;
    ui_.OnModal = [&caption](HWND dialog) {
        caption = TextOf(dialog);
        PostMessageA(dialog, WM_CLOSE, 0, 0);
    };
    SendMessageA(icon, WM_COMMAND, cmAbout, 0);
    EXPECT_TRUE(form.Visible());
    EXPECT_EQ(caption, "About Corvane");
    EXPECT_TRUE(ui_.Opened.empty());
    SendMessageA(icon, WM_COMMAND, cmExit, 0);
    MSG quit;
    EXPECT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

TEST_F(MainFormTest, StartUpBindsFromPalmDesktop) {
    std::string temp = testing::TempFolder();
    temp.pop_back();
    for (const bool installed : {false, true}) {
        if (!installed) palmsim::UnregisterDesktopPath();
        if (installed) palmsim::RegisterDesktopPath(desktop_);
        SetCurrentDirectoryA(temp.c_str());
        RunState run;
        AppInit(run);
        char current[MAX_PATH];
        GetCurrentDirectoryA(MAX_PATH, current);
        EXPECT_EQ(current, installed ? desktop_ : temp);
        EXPECT_EQ(run.Palm.HsApi.Entries.HsDisplayLog != nullptr, installed);
        ASSERT_TRUE(run.TrayIcon && run.Lists.ConduitNames && run.Lists.Schedules);
        EXPECT_EQ(run.TrayIcon->Handle(), nullptr);
        AppFini(run);
        EXPECT_EQ(run.Palm.HsApi.Entries.HsDisplayLog, nullptr);
    }
}

// A problem with one of Corvane's files: the path whole in any alphabet, and
// what each answer does, at exit too; a Retry that failed again says so.
TEST(DataProblemText, NamesThePathWholeAndWhatEachAnswerDoes) {
    const std::wstring path = L"C:\\\u041f\u0451\u0442\u0440\\Corvane\\brightfen.ini";
    const struct {
        bool Reading, Again;
        SaveAsk Ask;
        std::wstring Says;
    } rows[] = {
        {false, false, SaveAsk::OncePerProblem, L"Corvane could not save your changes to\n" + path + L"\n"},
        {false, true, SaveAsk::OncePerProblem, L"Corvane tried again and still could not save"},
        {true, false, SaveAsk::OncePerProblem, L"Cancel to go on; Corvane tries again at your next change"},
        {true, false, SaveAsk::UntilAnswered, L"or Cancel to end Corvane without them"},
        {false, false, SaveAsk::UntilAnswered, L"or Cancel to end Corvane without saving them"},
    };
    for (const auto& row : rows) {
        const std::wstring text = DataProblemText({path.c_str(), row.Reading, ERROR_ACCESS_DENIED, row.Again}, row.Ask);
        EXPECT_NE(text.find(row.Says), std::wstring::npos) << testing::RecordingUi::Utf8(text.c_str());
    }
}

}  // namespace
}  // namespace corvane
