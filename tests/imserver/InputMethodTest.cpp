// IInputMethod as the input panel drives it: selection, information, panel state, options.
#include "tests/imserver/SelectedKeyboard.h"

#include <commctrl.h>

namespace {

class InputMethodObject : public ::testing::Test {
protected:
    void SetUp() override {
        WriteSettingsFile({1, 0, 4, 0}); // "Big numeric"
        method = dll.CreateInputMethod();
        ASSERT_NE(method, nullptr);
        panel = CreatePanelWindow(20, 300, 240, 80);
    }
    void TearDown() override {
        if (method != nullptr)
            method->Release();
        DestroyWindow(panel);
        PumpMessages();
        RemoveSettingsFile();
    }
    bool ClassRegistered() const {
        WNDCLASSW windowClass;
        return GetClassInfoW(dll.Module(), L"PlinkerpadWndCls", &windowClass) != 0;
    }
    PlinkerpadDll dll;
    IInputMethod* method = nullptr;
    HWND panel = nullptr;
};

void ExpectIcon(HANDLE images, int width, int height) {
    HIMAGELIST list = static_cast<HIMAGELIST>(images);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(ImageList_GetImageCount(list), 1);
    int cx = 0;
    int cy = 0;
    ImageList_GetIconSize(list, &cx, &cy);
    EXPECT_EQ(cx, width);
    EXPECT_EQ(cy, height);
}

} // namespace

TEST_F(InputMethodObject, DeselectBeforeSelectTouchesNothing) {
    EXPECT_EQ(method->Deselect(), S_OK);
    EXPECT_EQ(method->Deselect(), S_OK);
    EXPECT_EQ(method->Select(panel), S_OK);
    EXPECT_NE(FindKeyboardWindow(panel), nullptr);
    EXPECT_EQ(method->Deselect(), S_OK);
}

TEST_F(InputMethodObject, SelectCreatesTheKeyboardOverThePanelAndDeselectRemovesIt) {
    ASSERT_EQ(method->Select(panel), S_OK);
    HWND keyboard = FindKeyboardWindow(panel);
    ASSERT_NE(keyboard, nullptr);
    EXPECT_EQ(GetWindowLongPtrW(keyboard, GWL_STYLE) & 0xFFFF0000, 0x50800000);
    EXPECT_EQ(GetDlgCtrlID(keyboard), 10);
    EXPECT_EQ(GetClassLongPtrW(keyboard, GCL_STYLE) & CS_DBLCLKS, CS_DBLCLKS);
    RECT window;
    GetWindowRect(keyboard, &window);
    EXPECT_EQ(window.left, 20);
    EXPECT_EQ(window.top, 300);
    EXPECT_EQ(window.right, 260);
    EXPECT_EQ(window.bottom, 380);
    EXPECT_EQ(method->Deselect(), S_OK);
    EXPECT_FALSE(IsWindow(keyboard));
    EXPECT_FALSE(ClassRegistered());
    EXPECT_EQ(method->Select(panel), S_OK); // again, after a Deselect
    EXPECT_EQ(method->Deselect(), S_OK);
}

TEST_F(InputMethodObject, SelectFailsWithoutAPanel) {
    EXPECT_EQ(method->Select(reinterpret_cast<HWND>(0x1234)), E_FAIL);
    EXPECT_EQ(method->Deselect(), S_OK);
}

TEST_F(InputMethodObject, GetInfoBeforeAnyPaintReportsTheDockedPanelSize) {
    ASSERT_EQ(method->Select(panel), S_OK);
    IMINFO info = {};
    ASSERT_EQ(method->GetInfo(&info), S_OK);
    EXPECT_EQ(info.cbSize, sizeof(IMINFO));
    EXPECT_EQ(info.fdwFlags, static_cast<DWORD>(SIPF_DOCKED));
    EXPECT_EQ(info.iNarrow, 0);
    EXPECT_EQ(info.iWide, 0);
    EXPECT_EQ(info.rcSipRect.left, 0);
    EXPECT_EQ(info.rcSipRect.top, 0);
    EXPECT_EQ(info.rcSipRect.right, 245); // "Big numeric": 10 x 23 + 15
    EXPECT_EQ(info.rcSipRect.bottom, 92); // 4 x 23
    ExpectIcon(info.hImageNarrow, 16, 16);
    ExpectIcon(info.hImageWide, 32, 16);
    EXPECT_EQ(method->Deselect(), S_OK);
}

TEST_F(InputMethodObject, GetInfoBeforeSelectReportsTheSizeWithoutIcons) {
    IMINFO info = {};
    ASSERT_EQ(method->GetInfo(&info), S_OK);
    EXPECT_EQ(info.rcSipRect.right, 245);
    EXPECT_EQ(info.rcSipRect.bottom, 92);
    EXPECT_EQ(info.hImageNarrow, nullptr);
    EXPECT_EQ(method->GetInfo(nullptr), E_POINTER);
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
    const COLORREF seven = GetPixel(dc, 11 + 45 + 3, 2 + 25 - 4); // inside the "7" key
    ReleaseDC(keyboard, dc);
    EXPECT_EQ(seven, 0xFFA0A0u);
    EXPECT_EQ(method->Deselect(), S_OK);
}

TEST_F(InputMethodObject, ReceiveSipInfoMakesTheKeyboardFollowThePanel) {
    ASSERT_EQ(method->Select(panel), S_OK);
    SetWindowPos(panel, nullptr, 0, 0, 300, 100, SWP_NOMOVE | SWP_NOZORDER);
    SIPINFO sip = {};
    sip.cbSize = sizeof(sip);
    sip.rcVisibleDesktop = {0, 0, 640, 480};
    EXPECT_EQ(method->ReceiveSipInfo(&sip), S_OK);
    EXPECT_EQ(sip.rcVisibleDesktop.bottom, 480); // docked: left alone
    RECT keyboard;
    GetWindowRect(FindKeyboardWindow(panel), &keyboard);
    EXPECT_EQ(keyboard.right - keyboard.left, 300);
    EXPECT_EQ(keyboard.bottom - keyboard.top, 100);
    EXPECT_EQ(method->Deselect(), S_OK);
}

TEST_F(InputMethodObject, ImDataIsNeitherKeptNorGiven) {
    char buffer[8] = "unset";
    EXPECT_EQ(method->GetImData(sizeof(buffer), buffer), E_FAIL);
    EXPECT_STREQ(buffer, "unset");
    EXPECT_EQ(method->SetImData(sizeof(buffer), buffer), S_OK);
}

TEST_F(InputMethodObject, UserOptionsSucceedEvenWithoutTheSetupProgram) {
    wchar_t folder[MAX_PATH];
    GetWindowsDirectoryW(folder, MAX_PATH);
    const std::wstring setup = std::wstring(folder) + L"\\PlinkerpadSetup.exe";
    if (GetFileAttributesW(setup.c_str()) != INVALID_FILE_ATTRIBUTES)
        GTEST_SKIP() << "the setup program is installed in this prefix";
    EXPECT_EQ(method->UserOptionsDlg(panel), S_OK);
}

// SipState is seen through ReceiveSipInfo, which shrinks the visible desktop only when the
// keyboard is shown and floating (exactly 1).
class PanelState : public SelectedKeyboard {
protected:
    LONG VisibleBottom() {
        SIPINFO sip = {};
        sip.cbSize = sizeof(sip);
        sip.rcVisibleDesktop = {0, 0, 640, 480};
        method->ReceiveSipInfo(&sip);
        return sip.rcVisibleDesktop.bottom;
    }
};

TEST_F(PanelState, ShowingAndHidingTrackOnlyTheShownBit) {
    EXPECT_EQ(VisibleBottom(), 480); // 3
    EXPECT_EQ(method->Hiding(), S_OK);
    EXPECT_EQ(method->Showing(), S_OK);
    EXPECT_EQ(VisibleBottom(), 480); // 2, then 3 again
    Send(WM_LBUTTONDOWN, 4, 30);     // float: 1
    Send(WM_LBUTTONUP, 80, 40);
    EXPECT_EQ(VisibleBottom(), 480 - 26);
    EXPECT_EQ(method->Hiding(), S_OK);
    EXPECT_EQ(VisibleBottom(), 480); // 0
    EXPECT_EQ(method->Showing(), S_OK);
    EXPECT_EQ(VisibleBottom(), 480 - 26); // 1
}

TEST_F(PanelState, SelectStartsDocked) {
    Send(WM_LBUTTONDOWN, 4, 30);
    Send(WM_LBUTTONUP, 80, 40);
    method->Deselect();
    ASSERT_EQ(method->Select(panel), S_OK);
    keyboard = FindKeyboardWindow(panel);
    EXPECT_EQ(VisibleBottom(), 480);
}
