// The input panel with an input method that records what the panel asks of it.
#include "platform/inputpanel/InputPanel.h"
#include "platform/inputpanel/PanelPlacement.h"
#include "tests/support/Rects.h"

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
    STDMETHODIMP Select(HWND) override { return Record("Select", selectResult); }
    STDMETHODIMP Deselect() override { return Record("Deselect"); }
    STDMETHODIMP Showing() override { return Record("Showing"); }
    STDMETHODIMP Hiding() override { return Record("Hiding"); }
    STDMETHODIMP GetInfo(IMINFO* info) override {
        info->fdwFlags = SIPF_DOCKED;
        info->rcSipRect = RECT{0, 0, 130, 69};
        return Record("GetInfo");
    }
    STDMETHODIMP ReceiveSipInfo(SIPINFO* info) override {
        told.push_back(*info);
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
    std::vector<SIPINFO> told;
    HRESULT selectResult = S_OK;
    IIMCallback* callback = nullptr;
    LONG references = 1;

private:
    HRESULT Record(const char* call, HRESULT result = S_OK) {
        calls.push_back(call);
        return result;
    }
};

class InputPanelTest : public testing::Test {
protected:
    // Checks the place of the panel and what the method was last told of it.
    void ExpectPanelAt(const RECT& place, bool docked) {
        EXPECT_EQ(WindowRect(panel.Window()), place);
        EXPECT_EQ(panel.Docked(), docked);
        ASSERT_FALSE(method.told.empty());
        const SIPINFO& told = method.told.back();
        EXPECT_EQ(told.cbSize, sizeof(SIPINFO));
        EXPECT_EQ(told.fdwFlags, static_cast<DWORD>(SIPF_ON | (docked ? SIPF_DOCKED : 0)));
        EXPECT_EQ(told.rcSipRect, place);
        EXPECT_EQ(told.rcVisibleDesktop, RECT({0, 0, cx, docked ? cy - 69 : cy}));
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
    EXPECT_EQ(method.references, 2);
    EXPECT_TRUE(IsWindowVisible(panel.Window()));
    ExpectPanelAt({0, cy - 69, cx, cy}, true);
    EXPECT_EQ(method.told.size(), 1u);

    HWND window = panel.Window();
    method.calls.clear();
    panel.Close();
    panel.Close();
    EXPECT_THAT(method.calls, ElementsAre("Hiding", "Deselect", "Release"));
    EXPECT_EQ(method.references, 1);
    EXPECT_FALSE(IsWindow(window));

    method.selectResult = E_FAIL;
    method.calls.clear();
    EXPECT_EQ(panel.Open(&method), E_FAIL);
    EXPECT_THAT(method.calls, ElementsAre("Select"));
    EXPECT_EQ(method.references, 1);
    EXPECT_EQ(panel.Window(), nullptr);
}

// A requested height that is empty or taller than the screen gives the default one.
TEST(PanelPlacement, DockedHeightIsTheRequestedOneWhenTheScreenHasIt) {
    EXPECT_EQ(DockedPanelHeight(RECT{0, 10, 130, 22}, SIZE{240, 320}), 12);
    EXPECT_EQ(DockedPanelHeight(RECT{0, 50, 130, 20}, SIZE{240, 320}), DefaultPanelHeight);
    EXPECT_EQ(DockedPanelHeight(RECT{0, 0, 130, 321}, SIZE{240, 320}), DefaultPanelHeight);
}

// Floating places are kept on the screen; docking takes the docked place whatever is given.
TEST_F(InputPanelTest, SetImInfoFloatsThePanelOnTheScreenOrDocksItTellingTheMethodOfEachChange) {
    ASSERT_EQ(panel.Open(&method), S_OK);
    IMINFO empty{sizeof(IMINFO), nullptr, nullptr, 0, 0, SIPF_ON, {50, 50, 50, 90}};
    EXPECT_EQ(method.callback->SetImInfo(&empty), E_INVALIDARG);
    EXPECT_EQ(method.callback->SetImInfo(nullptr), E_POINTER);
    const struct {
        DWORD flags;
        RECT given, panel;
    } changes[] = {
        {SIPF_ON, {100, 120, 215, 180}, {100, 120, 215, 180}},
        {SIPF_ON | SIPF_DOCKED, {0, 0, 50, 50}, {0, cy - 69, cx, cy}},
        {SIPF_ON, {cx - 20, cy - 10, cx + 95, cy + 50}, {cx - 115, cy - 60, cx, cy}},
        {SIPF_ON, {-5, -7, 110, 53}, {0, 0, 115, 60}},
        {SIPF_ON, {-5, -7, 110, 53}, {0, 0, 115, 60}}, // nothing new, nothing told
    };
    for (const auto& change : changes) {
        IMINFO info{sizeof(IMINFO), nullptr, nullptr, 0, 0, change.flags, change.given};
        EXPECT_EQ(method.callback->SetImInfo(&info), S_OK);
        ExpectPanelAt(change.panel, (change.flags & SIPF_DOCKED) != 0);
    }
    EXPECT_EQ(method.told.size(), 5u);
}

// The menu answers keys too: the posted keys are waiting for it when it opens. Quit is tried
// end to end.
TEST_F(InputPanelTest, MenuOpensTheMethodOptions) {
    ASSERT_EQ(panel.Open(&method), S_OK);
    method.calls.clear();
    PostMessageW(panel.Window(), WM_KEYDOWN, VK_DOWN, 0);
    PostMessageW(panel.Window(), WM_KEYDOWN, VK_RETURN, 0);
    SendMessageW(panel.Window(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(panel.Window()),
                 MAKELPARAM(20, 400));
    EXPECT_THAT(method.calls, ElementsAre("UserOptionsDlg"));
}

} // namespace
