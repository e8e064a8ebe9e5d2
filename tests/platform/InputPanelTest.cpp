#include "platform/InputPanel.h"

#include "FakeInputMethod.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using testing::ElementsAre;

SIZE Screen() {
    return SIZE{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

RECT WindowRect(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

MATCHER_P4(IsRect, left, top, right, bottom, "") {
    return arg.left == left && arg.top == top && arg.right == right && arg.bottom == bottom;
}

IMINFO ImInfo(DWORD flags, RECT rect) {
    IMINFO info{};
    info.cbSize = sizeof(IMINFO);
    info.fdwFlags = flags;
    info.rcSipRect = rect;
    return info;
}

class InputPanelTest : public testing::Test {
protected:
    void Open() {
        ASSERT_EQ(panel.Open(&method), S_OK);
        ASSERT_NE(method.callback, nullptr);
        method.calls.clear();
        method.sipInfos.clear();
    }
    // Removes the quit message that the closed panel leaves for its thread.
    void TearDown() override {
        panel.Close();
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            ;
    }

    FakeInputMethod method;
    InputPanel panel{GetModuleHandleW(nullptr)};
};

TEST_F(InputPanelTest, OpenDrivesTheMethodInThePlatformOrder) {
    ASSERT_EQ(panel.Open(&method), S_OK);
    EXPECT_THAT(method.calls,
                ElementsAre("Select", "GetInfo", "RegisterCallback", "ReceiveSipInfo", "Showing"));
    EXPECT_EQ(method.panel, panel.Window());
    EXPECT_EQ(method.references, 2);
}

TEST_F(InputPanelTest, PanelIsDockedAtTheBottomFullWidthWithTheRequestedHeight) {
    Open();
    const SIZE screen = Screen();
    EXPECT_TRUE(IsWindowVisible(panel.Window()));
    EXPECT_TRUE(panel.Docked());
    EXPECT_THAT(WindowRect(panel.Window()), IsRect(0, screen.cy - 69, screen.cx, screen.cy));
}

TEST_F(InputPanelTest, FirstSipInfoDescribesTheDockedPanel) {
    ASSERT_EQ(panel.Open(&method), S_OK);
    ASSERT_EQ(method.sipInfos.size(), 1u);
    const SIPINFO& info = method.sipInfos[0];
    const SIZE screen = Screen();
    EXPECT_EQ(info.cbSize, sizeof(SIPINFO));
    EXPECT_EQ(info.fdwFlags, static_cast<DWORD>(SIPF_ON | SIPF_DOCKED));
    EXPECT_THAT(info.rcSipRect, IsRect(0, screen.cy - 69, screen.cx, screen.cy));
    EXPECT_THAT(info.rcVisibleDesktop, IsRect(0, 0, screen.cx, screen.cy - 69));
}

TEST_F(InputPanelTest, PanelNeverTakesTheFocus) {
    HWND application =
        CreateWindowExW(0, L"STATIC", L"application", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 200,
                        100, nullptr, nullptr, nullptr, nullptr);
    SetForegroundWindow(application);
    Open();
    const LONG_PTR exStyle = GetWindowLongPtrW(panel.Window(), GWL_EXSTYLE);
    EXPECT_EQ(exStyle & (WS_EX_NOACTIVATE | WS_EX_TOPMOST | WS_EX_TOOLWINDOW),
              WS_EX_NOACTIVATE | WS_EX_TOPMOST | WS_EX_TOOLWINDOW);
    EXPECT_EQ(SendMessageW(panel.Window(), WM_MOUSEACTIVATE,
                           reinterpret_cast<WPARAM>(panel.Window()),
                           MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN)),
              MA_NOACTIVATE);
    EXPECT_EQ(GetForegroundWindow(), application);
    DestroyWindow(application);
}

TEST_F(InputPanelTest, CloseEndsTheMethodInThePlatformOrderAndDestroysThePanel) {
    Open();
    HWND window = panel.Window();
    panel.Close();
    EXPECT_THAT(method.calls, ElementsAre("Hiding", "Deselect", "Release"));
    EXPECT_EQ(method.references, 1);
    EXPECT_FALSE(IsWindow(window));
    panel.Close();
    EXPECT_EQ(method.calls.size(), 3u);
}

TEST_F(InputPanelTest, FailedSelectReleasesTheMethodAndLeavesNoPanel) {
    method.selectResult = E_FAIL;
    EXPECT_EQ(panel.Open(&method), E_FAIL);
    EXPECT_THAT(method.calls, ElementsAre("Select"));
    EXPECT_EQ(method.references, 1);
    EXPECT_EQ(panel.Window(), nullptr);
}

TEST_F(InputPanelTest, SetImInfoFloatsThePanelAndTellsTheMethod) {
    Open();
    IMINFO floating = ImInfo(SIPF_ON, RECT{100, 120, 215, 180});
    EXPECT_EQ(method.callback->SetImInfo(&floating), S_OK);
    EXPECT_FALSE(panel.Docked());
    EXPECT_THAT(WindowRect(panel.Window()), IsRect(100, 120, 215, 180));
    ASSERT_EQ(method.sipInfos.size(), 1u);
    EXPECT_EQ(method.sipInfos[0].fdwFlags, static_cast<DWORD>(SIPF_ON));
    EXPECT_THAT(method.sipInfos[0].rcSipRect, IsRect(100, 120, 215, 180));
}

TEST_F(InputPanelTest, SetImInfoDockedReturnsToTheDockedPlaceWhateverTheRectangle) {
    Open();
    const RECT docked = WindowRect(panel.Window());
    IMINFO floating = ImInfo(SIPF_ON, RECT{100, 120, 215, 180});
    method.callback->SetImInfo(&floating);
    IMINFO dock = ImInfo(SIPF_ON | SIPF_DOCKED, RECT{0, 0, 50, 50});
    EXPECT_EQ(method.callback->SetImInfo(&dock), S_OK);
    EXPECT_TRUE(panel.Docked());
    EXPECT_THAT(WindowRect(panel.Window()),
                IsRect(docked.left, docked.top, docked.right, docked.bottom));
    ASSERT_EQ(method.sipInfos.size(), 2u);
    EXPECT_EQ(method.sipInfos[1].fdwFlags, static_cast<DWORD>(SIPF_ON | SIPF_DOCKED));
}

TEST_F(InputPanelTest, DockingWhileDockedTellsTheMethodNothingNew) {
    Open();
    IMINFO dock = ImInfo(SIPF_ON | SIPF_DOCKED, RECT{0, 0, 50, 50});
    EXPECT_EQ(method.callback->SetImInfo(&dock), S_OK);
    EXPECT_TRUE(method.sipInfos.empty());
}

TEST_F(InputPanelTest, FloatingPanelDroppedPastTheEdgeStaysOnTheScreen) {
    Open();
    const SIZE screen = Screen();
    IMINFO floating =
        ImInfo(SIPF_ON, RECT{screen.cx - 20, screen.cy - 10, screen.cx + 95, screen.cy + 50});
    method.callback->SetImInfo(&floating);
    EXPECT_THAT(WindowRect(panel.Window()),
                IsRect(screen.cx - 115, screen.cy - 60, screen.cx, screen.cy));
}

TEST_F(InputPanelTest, EmptyOrMissingFloatingRectangleIsRefused) {
    Open();
    const RECT before = WindowRect(panel.Window());
    IMINFO empty = ImInfo(SIPF_ON, RECT{50, 50, 50, 90});
    EXPECT_EQ(method.callback->SetImInfo(&empty), E_INVALIDARG);
    EXPECT_EQ(method.callback->SetImInfo(nullptr), E_POINTER);
    EXPECT_TRUE(panel.Docked());
    EXPECT_THAT(WindowRect(panel.Window()),
                IsRect(before.left, before.top, before.right, before.bottom));
}

// The menu answers keys too: the posted keys are waiting for it when it opens.
void ChooseFromMenu(HWND panel, int downPresses) {
    for (int i = 0; i < downPresses; ++i)
        PostMessageW(panel, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageW(panel, WM_KEYDOWN, VK_RETURN, 0);
    SendMessageW(panel, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(panel), MAKELPARAM(20, 400));
}

TEST_F(InputPanelTest, MenuOptionsOpenTheMethodOptions) {
    Open();
    ChooseFromMenu(panel.Window(), 1);
    EXPECT_THAT(method.calls, ElementsAre("UserOptionsDlg"));
}

TEST_F(InputPanelTest, MenuQuitClosesThePanel) {
    Open();
    HWND window = panel.Window();
    ChooseFromMenu(window, 2);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&message);
    EXPECT_THAT(method.calls, ElementsAre("Hiding", "Deselect", "Release"));
    EXPECT_FALSE(IsWindow(window));
}

} // namespace
