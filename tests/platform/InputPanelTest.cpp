// The input panel with an input method that records what the panel asks of it.
#include "platform/inputpanel/InputPanel.h"
#include "platform/inputpanel/PanelPlacement.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using testing::ElementsAre;

class FakeMethod final : public IInputMethod {
public:
    STDMETHODIMP QueryInterface(REFIID, void**) override { return E_NOINTERFACE; }
    STDMETHODIMP_(ULONG) AddRef() override { return static_cast<ULONG>(++references); }
    STDMETHODIMP_(ULONG) Release() override {
        calls.push_back("Release");
        return static_cast<ULONG>(--references);
    }
    STDMETHODIMP Select(HWND window) override {
        panel = window;
        return Record("Select", selectResult);
    }
    STDMETHODIMP Deselect() override { return Record("Deselect"); }
    STDMETHODIMP Showing() override { return Record("Showing"); }
    STDMETHODIMP Hiding() override { return Record("Hiding"); }
    STDMETHODIMP GetInfo(IMINFO* info) override {
        info->fdwFlags = SIPF_DOCKED;
        info->rcSipRect = RECT{0, 0, 130, 69};
        return Record("GetInfo");
    }
    STDMETHODIMP ReceiveSipInfo(SIPINFO* info) override {
        sipInfos.push_back(*info);
        return Record("ReceiveSipInfo");
    }
    STDMETHODIMP RegisterCallback(IIMCallback* given) override {
        callback = given;
        return Record("RegisterCallback");
    }
    STDMETHODIMP GetImData(DWORD, void*) override { return E_NOTIMPL; }
    STDMETHODIMP SetImData(DWORD, void*) override { return E_NOTIMPL; }
    STDMETHODIMP UserOptionsDlg(HWND) override { return Record("UserOptionsDlg"); }

    std::vector<std::string> calls;
    std::vector<SIPINFO> sipInfos;
    HRESULT selectResult = S_OK;
    HWND panel = nullptr;
    IIMCallback* callback = nullptr;
    LONG references = 1;

private:
    HRESULT Record(const char* call, HRESULT result = S_OK) {
        calls.push_back(call);
        return result;
    }
};

MATCHER_P4(IsRect, left, top, right, bottom, "") {
    return arg.left == left && arg.top == top && arg.right == right && arg.bottom == bottom;
}

RECT WindowRect(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
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

    const LONG cx = GetSystemMetrics(SM_CXSCREEN);
    const LONG cy = GetSystemMetrics(SM_CYSCREEN);
    FakeMethod method;
    InputPanel panel{GetModuleHandleW(nullptr)};
};

TEST_F(InputPanelTest, OpenAndCloseDriveTheMethodInThePlatformOrder) {
    ASSERT_EQ(panel.Open(&method), S_OK);
    EXPECT_THAT(method.calls,
                ElementsAre("Select", "GetInfo", "RegisterCallback", "ReceiveSipInfo", "Showing"));
    EXPECT_EQ(method.panel, panel.Window());
    EXPECT_EQ(method.references, 2);
    EXPECT_TRUE(IsWindowVisible(panel.Window()));
    EXPECT_TRUE(panel.Docked());
    EXPECT_THAT(WindowRect(panel.Window()), IsRect(0, cy - 69, cx, cy));
    ASSERT_EQ(method.sipInfos.size(), 1u);
    const SIPINFO& info = method.sipInfos[0];
    EXPECT_EQ(info.cbSize, sizeof(SIPINFO));
    EXPECT_EQ(info.fdwFlags, static_cast<DWORD>(SIPF_ON | SIPF_DOCKED));
    EXPECT_THAT(info.rcSipRect, IsRect(0, cy - 69, cx, cy));
    EXPECT_THAT(info.rcVisibleDesktop, IsRect(0, 0, cx, cy - 69));

    HWND window = panel.Window();
    method.calls.clear();
    panel.Close();
    panel.Close();
    EXPECT_THAT(method.calls, ElementsAre("Hiding", "Deselect", "Release"));
    EXPECT_EQ(method.references, 1);
    EXPECT_FALSE(IsWindow(window));
}

TEST(PanelPlacement, DockedHeightIsTheRequestedOneWhenTheScreenHasIt) {
    constexpr SIZE Screen{240, 320};
    EXPECT_EQ(DockedPanelHeight(RECT{0, 10, 130, 22}, Screen), 12);
    EXPECT_EQ(DockedPanelHeight(RECT{0, 0, 0, 0}, Screen), DefaultPanelHeight);
    EXPECT_EQ(DockedPanelHeight(RECT{0, 50, 130, 20}, Screen), DefaultPanelHeight);
    EXPECT_EQ(DockedPanelHeight(RECT{0, 0, 130, 321}, Screen), DefaultPanelHeight);
    EXPECT_EQ(DockedPanelHeight(RECT{0, 0, 0, 0}, SIZE{240, 50}), 50);
}

TEST_F(InputPanelTest, FailedSelectReleasesTheMethodAndLeavesNoPanel) {
    method.selectResult = E_FAIL;
    EXPECT_EQ(panel.Open(&method), E_FAIL);
    EXPECT_THAT(method.calls, ElementsAre("Select"));
    EXPECT_EQ(method.references, 1);
    EXPECT_EQ(panel.Window(), nullptr);
}

TEST_F(InputPanelTest, SetImInfoFloatsThePanelOnTheScreenOrDocksItTellingTheMethodOfEachChange) {
    Open();
    IMINFO empty{sizeof(IMINFO), nullptr, nullptr, 0, 0, SIPF_ON, {50, 50, 50, 90}};
    EXPECT_EQ(method.callback->SetImInfo(&empty), E_INVALIDARG);
    EXPECT_EQ(method.callback->SetImInfo(nullptr), E_POINTER);
    EXPECT_TRUE(method.sipInfos.empty());
    const RECT docked{0, cy - 69, cx, cy};
    const struct {
        DWORD flags;
        RECT given;
        RECT panel; // kept on the screen when floating; the docked place whatever is given
    } changes[] = {
        {SIPF_ON, {100, 120, 215, 180}, {100, 120, 215, 180}},
        {SIPF_ON | SIPF_DOCKED, {0, 0, 50, 50}, docked},
        {SIPF_ON, {cx - 20, cy - 10, cx + 95, cy + 50}, {cx - 115, cy - 60, cx, cy}},
        {SIPF_ON, {-5, -7, 110, 53}, {0, 0, 115, 60}},
    };
    for (const auto& change : changes) {
        IMINFO info{sizeof(IMINFO), nullptr, nullptr, 0, 0, change.flags, change.given};
        EXPECT_EQ(method.callback->SetImInfo(&info), S_OK);
        const RECT& p = change.panel;
        EXPECT_THAT(WindowRect(panel.Window()), IsRect(p.left, p.top, p.right, p.bottom));
        const bool isDocked = (change.flags & SIPF_DOCKED) != 0;
        EXPECT_EQ(panel.Docked(), isDocked);
        ASSERT_FALSE(method.sipInfos.empty());
        const SIPINFO& told = method.sipInfos.back();
        EXPECT_EQ(told.fdwFlags, change.flags);
        EXPECT_THAT(told.rcSipRect, IsRect(p.left, p.top, p.right, p.bottom));
        EXPECT_THAT(told.rcVisibleDesktop, IsRect(0, 0, cx, isDocked ? cy - 69 : cy));
    }
    EXPECT_EQ(method.sipInfos.size(), 4u);
    IMINFO again{sizeof(IMINFO), nullptr, nullptr, 0, 0, SIPF_ON, {-5, -7, 110, 53}};
    EXPECT_EQ(method.callback->SetImInfo(&again), S_OK);
    EXPECT_EQ(method.sipInfos.size(), 4u) << "nothing new, nothing told";
}

// The menu answers keys too: the posted keys are waiting for it when it opens.
void ChooseFromMenu(HWND panel, int downPresses) {
    for (int i = 0; i < downPresses; ++i)
        PostMessageW(panel, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageW(panel, WM_KEYDOWN, VK_RETURN, 0);
    SendMessageW(panel, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(panel), MAKELPARAM(20, 400));
}

// Quit is tried end to end.
TEST_F(InputPanelTest, MenuOpensTheMethodOptions) {
    Open();
    ChooseFromMenu(panel.Window(), 1);
    EXPECT_THAT(method.calls, ElementsAre("UserOptionsDlg"));
}

} // namespace
