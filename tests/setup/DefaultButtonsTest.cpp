// Default buttons, built once for a screen 240 pixels high (run on a 320 x 240 screen: a column on
// the right) and once for a taller one (240 x 320: a row under the content, or on row 98); and the
// windows of the setup program on each screen, above a docked input panel, tapped by real clicks.
#include "resources/SetupResources.h"
#include "setup/DefaultImDialog.h"
#include "setup/SettingsPages.h"
#include "setup/SetupDialog.h"
#include "setup/TDialog.h"
#include "platform/inputpanel/InputPanel.h"
#include "tests/setup/DialogDriver.h"
#include "tests/support/FakeInputMethod.h"
#include "tests/support/XMouse.h"
#include "tools/Desktop.h"

#include <gtest/gtest.h>

namespace {

// Opens a dialog and compares where its default buttons stand with places in dialog units. The
// step closes the dialog: the test cannot pass without it.
void ExpectButtons(const std::function<INT_PTR()>& open, const wchar_t* title,
                   const wchar_t* okText, RECT ok, RECT cancel) {
    DialogDriver driver;
    driver.When(title, [&](HWND window) {
        EXPECT_EQ(WindowText(GetDlgItem(window, IDOK)), okText);
        EXPECT_EQ(ControlRect(GetDlgItem(window, IDOK)), DialogUnitsToPixels(window, ok));
        EXPECT_EQ(ControlRect(GetDlgItem(window, IDCANCEL)), DialogUnitsToPixels(window, cancel));
        PostCommand(window, IDCANCEL);
    });
    EXPECT_EQ(open(), IDCANCEL);
}

struct Case {
    int contentBottom;
    int followContent;
    int buttonSet;
    const wchar_t* okText;
    RECT ok;
    RECT cancel; // empty: no Cancel button
};

#if PLINKER_SCREEN_HEIGHT == 240
const Case Cases[] = {
    {80, 1, 3, L"OK", {106, 7, 138, 16}, {106, 19, 138, 28}},
    {20, 0, BUTTONS_DELETE_CANCEL, L"DELETE", {106, 7, 138, 16}, {106, 19, 138, 28}},
    {80, 1, 0, L"OK", {106, 19, 138, 28}, {}}, // OK alone takes the second place
};
const RECT BootImOk = {106, 7, 138, 16}, BootImCancel = {106, 19, 138, 28};
const short Width = 143; // the column's right edge and the margin
#else
const Case Cases[] = {
    {80, 1, 3, L"OK", {7, 86, 53, 94}, {53, 86, 99, 94}}, // six units under the content
    {95, 1, 3, L"OK", {7, 98, 53, 106}, {53, 98, 99, 106}},
    {20, 0, 3, L"OK", {7, 98, 53, 106}, {53, 98, 99, 106}},
    {14, 1, BUTTONS_DELETE_CANCEL, L"DELETE", {7, 20, 53, 28}, {53, 20, 99, 28}},
    {14, 1, 0, L"OK", {53, 20, 99, 28}, {}},
};
const RECT BootImOk = {7, 98, 53, 106}, BootImCancel = {53, 98, 99, 106};
const short Width = 104; // the row widens the dialog
#endif

TEST(DefaultButtons, StandWhereTheScreenHeightPutsThem) {
    ASSERT_EQ(GetSystemMetrics(SM_CYSCREEN), PLINKER_SCREEN_HEIGHT);
    for (const Case& c : Cases) {
        SCOPED_TRACE(testing::Message() << "content to " << c.contentBottom << ", set "
                                        << c.buttonSet << ", follow " << c.followContent);
        TDialog dialog(nullptr);
        dialog.SetTitle(L"Buttons");
        dialog.SetButtonsFollowContent(c.followContent);
        dialog.SetButtonSet(c.buttonSet);
        const RECT narrow = {7, c.contentBottom - 7, 40, c.contentBottom};
        dialog.AddItem(L"STATIC", L"content", WS_CHILD | WS_VISIBLE, 0, &narrow, nullptr, 0);
        ExpectButtons([&] { return dialog.DoModal(); }, L"Buttons", c.okText, c.ok, c.cancel);
        OwnedLocal block = dialog.BuildTemplate();
        EXPECT_EQ(static_cast<const short*>(LocalLock(block))[7], Width); // cx
        LocalUnlock(block);
    }
}

// Runs the thread's messages, the dialogs' included, until the condition holds.
bool PumpUntil(const std::function<bool()>& condition) {
    return WaitFor([&] {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        return condition();
    });
}

// What shows of the window's client area on the desktop left above the docked panel.
RECT VisibleClient(HWND window, const RECT& desktop) {
    const RECT client = ClientOnScreen(window);
    RECT visible{};
    IntersectRect(&visible, &client, &desktop);
    return visible;
}

bool IsText(HWND control) {
    wchar_t className[16] = {};
    GetClassNameW(control, className, 16);
    return lstrcmpiW(className, L"Static") == 0;
}

// The centre of the control, scrolled into view by real clicks on the arrows of the dialog's
// scroll bar; it must show above the panel and be the window under the point (texts let the
// point through).
POINT TapPoint(HWND dialog, HWND control, const RECT& desktop) {
    const RECT visible = VisibleClient(dialog, desktop);
    const int arrowX = ClientOnScreen(dialog).right + GetSystemMetrics(SM_CXVSCROLL) / 2;
    const int arrow = GetSystemMetrics(SM_CYVSCROLL) / 2;
    const bool scrolls = (GetWindowLongW(dialog, GWL_STYLE) & WS_VSCROLL) != 0;
    for (int i = 0; scrolls && i < 20 && !PtInRect(&visible, Centre(WindowRect(control))); ++i) {
        const LONG top = WindowRect(control).top;
        XClick(Centre(WindowRect(control)).y >= visible.bottom
                   ? POINT{arrowX, visible.bottom - arrow}
                   : POINT{arrowX, visible.top + arrow});
        if (!PumpUntil([&] { return WindowRect(control).top != top; }))
            break;
    }
    const POINT at = Centre(WindowRect(control));
    EXPECT_TRUE(PtInRect(&visible, at)) << WindowText(control) << " at " << WindowRect(control);
    EXPECT_EQ(WindowFromPoint(at), IsText(control) ? dialog : control) << WindowText(control);
    return at;
}

// Every control shows above the panel, scrolled into view where needed, and each one but the
// texts and the buttons that end the dialog takes the focus at a real click on its centre; the
// ending button (OK or Cancel) is clicked last.
void TapEveryControl(HWND dialog, const RECT& desktop, const std::wstring& ending) {
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        EXPECT_TRUE(IsWindowVisible(child)) << WindowText(child);
        const POINT at = TapPoint(dialog, child, desktop);
        const int id = GetDlgCtrlID(child);
        if (IsText(child) || id == IDOK || id == IDCANCEL) // the ending is clicked last
            continue;
        XClick(at);
        EXPECT_TRUE(PumpUntil([&] { return GetFocus() == child || IsChild(child, GetFocus()); }))
            << WindowText(child) << " took no click";
        SendMessageW(child, CB_SHOWDROPDOWN, FALSE, 0); // the Boot-IM list drops down
    }
    XClick(TapPoint(dialog, FindControl(dialog, ending), desktop));
}

// The Help button starts the help viewer where the device has it, once an end-to-end test has
// put it there: none is left behind in the prefix, where it would hold its program file, nor on
// the screen, where it would take the next click.
void CloseHelpViewer() {
    if (GetFileAttributesW(L"C:\\windows\\PegHelp.exe") == INVALID_FILE_ATTRIBUTES)
        return;
    HWND help = nullptr;
    if (!PumpUntil([&] { return (help = FindWindowW(L"PegHelpWnd", nullptr)) != nullptr; }))
        return;
    PostMessageW(help, WM_CLOSE, 0, 0);
    EXPECT_TRUE(PumpUntil([&] { return !IsWindow(help); })) << "the help viewer stays open";
}

// The middle of the caption's close box, found by asking the window what lies where.
POINT CloseBox(HWND window) {
    const RECT frame = WindowRect(window);
    const int y = (frame.top + ClientOnScreen(window).top) / 2;
    int right = 0, left = 0;
    for (int x = frame.right - 1; x > frame.left && (right == 0 || left == 0); --x) {
        const bool close = SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == HTCLOSE;
        right = right == 0 && close ? x : right;
        left = right != 0 && !close ? x + 1 : left;
    }
    EXPECT_NE(right, 0) << "no close box";
    return POINT{(left + right) / 2, y};
}

// With the input panel docked at the bottom, the setup program's windows keep above it: a
// dialog taller than what is left scrolls. Each button of the main window opens its page by a
// real click, every control of the page takes one, and the main window's close box accepts it.
TEST(SetupWindows, KeepAboveADockedPanelAndTakeRealClicksOnEveryControl) {
    DeleteFileW(L"C:\\Plinkerpad.ini");
    FakeInputMethod method;
    InputPanel panel{GetModuleHandleW(nullptr)};
    ASSERT_EQ(panel.Open(&method), S_OK);
    const RECT desktop = {0, 0, GetSystemMetrics(SM_CXSCREEN), WindowRect(panel.Window()).top};
    ASSERT_LT(desktop.bottom, PLINKER_SCREEN_HEIGHT);
    CWinApp app;
    SetupDialog main;
    app.m_pMainWnd = &main;
    DialogDriver driver;
    // General comes last: its OK saves what its clicks changed, Dialog buttons off among them.
    const struct {
        const wchar_t* button;
        const wchar_t* title;
        const wchar_t* ending;
    } pages[] = {{L"Keyboard", L"Finger", L"Cancel"},
                 {L"Sniplets", L"Sniplets", L"Cancel"},
                 {L"Boot-IM", L"Set default Boot-IM", L"Cancel"},
                 {L"General", L"General", L"OK"}};
    size_t done = 0;
    for (const auto& page : pages) {
        driver.When(page.title, [&](HWND window) {
            TapEveryControl(window, desktop, page.ending);
            ++done;
        });
    }
    driver.When(L"Finger", [&](HWND window) {
        ++done;
        PostCommand(window, IDCANCEL);
    });
    driver.When(L"Plinkerpad Setup", [&](HWND window) {
        for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            TapPoint(window, child, desktop);
        for (size_t i = 0; i < std::size(pages); ++i) {
            XClick(Centre(WindowRect(FindControl(window, pages[i].button))));
            EXPECT_TRUE(PumpUntil([&] { return done == i + 1; })) << pages[i].button;
        }
        // The keyboard asks for a taller panel while a page is open: back on top, the main window
        // keeps above it.
        IMINFO taller{sizeof(IMINFO),        nullptr,       nullptr, 0, 0,
                      SIPF_ON | SIPF_DOCKED, {0, 0, 1, 120}};
        ASSERT_EQ(method.callback->SetImInfo(&taller), S_OK);
        XClick(Centre(WindowRect(FindControl(window, L"Keyboard"))));
        EXPECT_TRUE(PumpUntil([&] { return done == std::size(pages) + 1; }));
        EXPECT_TRUE(PumpUntil([&] {
            return WindowRect(window).bottom <= WindowRect(panel.Window()).top;
        })) << "main window at "
            << WindowRect(window) << ", panel at " << WindowRect(panel.Window());
        XClick(Centre(WindowRect(FindControl(window, L"Help"))));
        EXPECT_TRUE(PumpUntil([&] { return GetFocus() == FindControl(window, L"Help"); }));
        CloseHelpViewer();
        XClick(CloseBox(window));
        if (!PumpUntil([&] { return !IsWindowVisible(window); })) {
            ADD_FAILURE() << "the close box did not end the main window";
            PostCommand(window, IDCANCEL);
        }
    });
    EXPECT_EQ(main.DoModal(), IDOK);
    EXPECT_EQ(driver.Waiting(), 0u);
    panel.Close();
    DeleteFileW(L"C:\\Plinkerpad.ini");
}

TEST(DefaultButtons, OfTheBootImDialog) {
    ExpectButtons(ShowDefaultImDialog, L"Set default Boot-IM", L"OK", BootImOk, BootImCancel);
}

} // namespace
