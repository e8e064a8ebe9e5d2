// Default buttons, built once for a screen 240 pixels high (run on a 320 x 240 screen: a column on
// the right) and once for a taller one (240 x 320: a row under the content, or on row 98); and the
// windows of the setup program on each screen.
#include "resources/SetupResources.h"
#include "setup/DefaultImDialog.h"
#include "setup/SettingsPages.h"
#include "setup/SetupDialog.h"
#include "setup/TDialog.h"
#include "tests/setup/DialogDriver.h"

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

// Every child of the window is visible and lies wholly inside its client area, on the screen (a
// dialog larger than the screen may hang over its edges by its frame).
void ExpectChildrenShown(HWND window) {
    RECT client, bounds;
    GetClientRect(window, &client);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    const RECT screen = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    IntersectRect(&bounds, &client, &screen);
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const RECT rect = WindowRect(child);
        RECT inside;
        IntersectRect(&inside, &rect, &bounds);
        EXPECT_TRUE(IsWindowVisible(child)) << WindowText(child);
        EXPECT_TRUE(EqualRect(&inside, &rect)) << WindowText(child);
    }
}

TEST(SetupWindows, ShowEveryControlOnTheScreen) {
    CWinApp app;
    SetupDialog main;
    app.m_pMainWnd = &main;
    DialogDriver driver;
    driver.When(L"Plinkerpad Setup", [&](HWND window) {
        ExpectChildrenShown(window);
        Click(window, L"Sniplets");
    });
    driver.When(L"Sniplets", [&](HWND page) {
        ExpectChildrenShown(page);
        PostCommand(page, IDCANCEL);
        PostCommand(GetWindow(page, GW_OWNER), IDCANCEL);
    });
    EXPECT_EQ(main.DoModal(), IDCANCEL);
    EXPECT_EQ(driver.Waiting(), 0u);
}

TEST(DefaultButtons, OfTheBootImDialog) {
    ExpectButtons(ShowDefaultImDialog, L"Set default Boot-IM", L"OK", BootImOk, BootImCancel);
}

} // namespace
