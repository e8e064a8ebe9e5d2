// IInputMethod as the input panel drives it: selection, information, panel state, options.
#include "tests/imserver/SelectedKeyboard.h"

#include <commctrl.h>

namespace {

// An input method not yet selected, with "Big numeric" in the settings and a panel at (20, 300).
class InputMethodObject : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NE(method, nullptr); }
    void TearDown() override {
        method->Release();
        DestroyWindow(panel);
        PumpMessages();
        RemoveSettingsFile();
    }
    const bool written = (WriteSettingsFile({1, 0, 4, 0}), true);
    PlinkerpadDll dll;
    IInputMethod* method = dll.CreateInputMethod();
    HWND panel = CreatePanelWindow(20, 300, 240, 80);
};

std::pair<int, int> IconSize(HANDLE images) {
    int cx = 0, cy = 0;
    EXPECT_EQ(ImageList_GetImageCount(static_cast<HIMAGELIST>(images)), 1);
    ImageList_GetIconSize(static_cast<HIMAGELIST>(images), &cx, &cy);
    return {cx, cy};
}

TEST_F(InputMethodObject, SelectCreatesTheKeyboardOverThePanelAndDeselectRemovesIt) {
    EXPECT_EQ(method->Deselect(), S_OK); // before any Select: nothing to act on
    ASSERT_EQ(method->Select(panel), S_OK);
    HWND keyboard = FindKeyboardWindow(panel);
    ASSERT_NE(keyboard, nullptr);
    EXPECT_EQ(GetWindowLongPtrW(keyboard, GWL_STYLE) & 0xFFFF0000, 0x50800000);
    EXPECT_EQ(GetDlgCtrlID(keyboard), 10);
    EXPECT_EQ(GetClassLongPtrW(keyboard, GCL_STYLE) & CS_DBLCLKS, CS_DBLCLKS);
    RECT window;
    GetWindowRect(keyboard, &window);
    EXPECT_EQ(Sides(window), (std::array<LONG, 4>{20, 300, 260, 380}));
    EXPECT_EQ(method->Deselect(), S_OK);
    EXPECT_FALSE(IsWindow(keyboard));
    WNDCLASSW windowClass;
    EXPECT_FALSE(GetClassInfoW(dll.Module, L"PlinkerpadWndCls", &windowClass));
    EXPECT_EQ(method->Select(reinterpret_cast<HWND>(0x1234)), E_FAIL);
    EXPECT_FALSE(GetClassInfoW(dll.Module, L"PlinkerpadWndCls", &windowClass));
    EXPECT_EQ(method->Select(panel), S_OK); // a failed Select leaves nothing in the way
    EXPECT_EQ(method->Deselect(), S_OK);
}

TEST_F(InputMethodObject, GetInfoReportsTheIconsAndTheDockedPanel) {
    IMINFO info = {};
    EXPECT_EQ(method->GetInfo(nullptr), E_POINTER);
    ASSERT_EQ(method->Select(panel), S_OK);
    ASSERT_EQ(method->GetInfo(&info), S_OK);
    EXPECT_EQ(info.cbSize, sizeof(IMINFO));
    EXPECT_EQ(info.fdwFlags, static_cast<DWORD>(SIPF_DOCKED));
    EXPECT_EQ(std::make_pair(info.iNarrow, info.iWide), std::make_pair(0, 0));
    EXPECT_EQ(Sides(info.rcSipRect), (std::array<LONG, 4>{0, 0, 245, 92})); // 10 x 23 + 15, 4 x 23
    EXPECT_EQ(IconSize(info.hImageNarrow), std::make_pair(16, 16));
    EXPECT_EQ(IconSize(info.hImageWide), std::make_pair(32, 16));
    EXPECT_EQ(method->Deselect(), S_OK);
}

TEST(PanelSize, GetInfoBeforeSelectAsksForTheDockedSizeOfEachKeyboard) {
    // KeyboardType, then the width and height asked for; an unknown type shows "Numeric".
    const int cases[][3] = {{0, 130, 69}, {1, 130, 92}, {2, 176, 69}, {3, 153, 92},
                            {4, 245, 92}, {5, 314, 12}, {6, 130, 69}};
    for (const auto& c : cases) {
        WriteSettingsFile({1, 0, c[0], 0});
        PlinkerpadDll dll;
        IInputMethod* method = dll.CreateInputMethod();
        ASSERT_NE(method, nullptr);
        IMINFO info = {};
        ASSERT_EQ(method->GetInfo(&info), S_OK);
        EXPECT_EQ(Sides(info.rcSipRect), (std::array<LONG, 4>{0, 0, c[1], c[2]})) << c[0];
        EXPECT_EQ(info.hImageNarrow, nullptr);
        method->Release();
    }
    RemoveSettingsFile();
}

TEST_F(InputMethodObject, KeyboardPaintedBeforeGetInfoShowsItsKeysAfterwards) {
    WriteSettingsFile({2, 0, 0, 0}); // coloured: digits are blue once the keys exist
    ASSERT_EQ(method->Select(panel), S_OK);
    HWND keyboard = FindKeyboardWindow(panel);
    UpdateWindow(keyboard);
    IMINFO info = {};
    ASSERT_EQ(method->GetInfo(&info), S_OK);
    InvalidateRect(keyboard, nullptr, FALSE);
    UpdateWindow(keyboard);
    HDC dc = GetDC(keyboard);
    EXPECT_EQ(GetPixel(dc, 11 + 45 + 3, 2 + 25 - 4), 0xFFA0A0u); // inside the "7" key
    ReleaseDC(keyboard, dc);
    EXPECT_EQ(method->Deselect(), S_OK);
}

TEST_F(InputMethodObject, ImDataAndOptions) {
    char buffer[8] = "unset";
    EXPECT_EQ(method->GetImData(sizeof(buffer), buffer), E_FAIL);
    EXPECT_STREQ(buffer, "unset");
    EXPECT_EQ(method->SetImData(sizeof(buffer), buffer), S_OK);
    if (GetFileAttributesW(L"C:\\windows\\PlinkerpadSetup.exe") == INVALID_FILE_ATTRIBUTES) {
        EXPECT_EQ(method->UserOptionsDlg(panel), S_OK); // even without the setup program
    }
}

// SipState is seen through ReceiveSipInfo, which shrinks the visible desktop only when the
// keyboard is shown and floating (exactly 1).
using PanelState = SelectedKeyboard;

TEST_F(PanelState, ShowingAndHidingTrackOnlyTheShownBit) {
    EXPECT_EQ(VisibleBottom(), 480); // 3
    EXPECT_EQ(method->Hiding(), S_OK);
    EXPECT_EQ(method->Showing(), S_OK);
    EXPECT_EQ(VisibleBottom(), 480); // 2, then 3 again
    Send(WM_LBUTTONDOWN, {4, 30});   // float: 1
    Send(WM_LBUTTONUP, {80, 40});
    EXPECT_EQ(VisibleBottom(), 480 - 26);
    EXPECT_EQ(method->Hiding(), S_OK);
    EXPECT_EQ(VisibleBottom(), 480); // 0
    EXPECT_EQ(method->Showing(), S_OK);
    EXPECT_EQ(VisibleBottom(), 480 - 26); // 1
    method->Deselect();                   // a new Select starts docked
    ASSERT_EQ(method->Select(panel), S_OK);
    EXPECT_EQ(VisibleBottom(), 480);
}

} // namespace
