// The setup program as the user meets it: started beside a running input panel, clicked with
// real X clicks, its changes seen in the keyboard and in what the input panel loads.
#include "tools/Desktop.h"
#include "../e2e/KeyboardSession.h"
#include "../e2e/XMouse.h"

#include <string>

namespace {

constexpr wchar_t InstalledSetup[] = L"C:\\windows\\PlinkerpadSetup.exe";
constexpr wchar_t PlinkerpadClass[] = L"{9B1C7E42-5D3A-4F60-8E21-C47A0B93D615}";
constexpr wchar_t SipKey[] = L"ControlPanel\\Sip";
constexpr COLORREF White = RGB(0xFF, 0xFF, 0xFF);
constexpr COLORREF DigitBlue = RGB(0xA0, 0xA0, 0xFF);

HWND WaitForDialog(const wchar_t* title) {
    HWND dialog = nullptr;
    WaitFor([&] {
        dialog = FindWindowW(L"#32770", title);
        return dialog != nullptr && IsWindowVisible(dialog);
    });
    return dialog;
}

// A real click on the middle of a dialog's button.
bool ClickButton(HWND dialog, const wchar_t* text) {
    RECT rect;
    if (!GetWindowRect(FindWindowExW(dialog, nullptr, L"Button", text), &rect)) {
        return false;
    }
    XClick(POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
    return true;
}

std::wstring DefaultIm() {
    wchar_t value[256] = {};
    DWORD size = sizeof(value);
    RegGetValueW(HKEY_CURRENT_USER, SipKey, L"DefaultIM", RRF_RT_REG_SZ, nullptr, value, &size);
    return value;
}

class SetupProgram : public KeyboardSession {
protected:
    void SetUp() override {
        KeyboardSession::SetUp();
        ASSERT_TRUE(CopyFileW(WinePath(PLINKER_SETUP).c_str(), InstalledSetup, FALSE));
    }
    void TearDown() override {
        if (setup.hProcess != nullptr) {
            if (HWND main = FindWindowW(L"#32770", L"Plinkerpad Setup")) {
                PostMessageW(main, WM_COMMAND, IDOK, 0);
            }
            WaitForSingleObject(setup.hProcess, 5000);
            CloseHandle(setup.hThread);
            CloseHandle(setup.hProcess);
        }
        RegDeleteKeyValueW(HKEY_CURRENT_USER, SipKey, L"DefaultIM");
        // Other tests of the prefix see a device without the setup program.
        DeleteFileW(InstalledSetup);
        KeyboardSession::TearDown();
    }

    // The main window once it has painted: its buttons stand where they are laid out and the
    // version label shows the version.
    HWND StartSetup() {
        EXPECT_TRUE(StartProgram(InstalledSetup, setup));
        HWND main = WaitForDialog(L"Plinkerpad Setup");
        EXPECT_TRUE(WaitFor([&] {
            wchar_t version[64] = {};
            GetDlgItemTextW(main, 1004, version, 64);
            return std::wstring(version).rfind(L"V 1.12 - ", 0) == 0;
        }));
        return main;
    }

    // Ends the setup program by the main window's OK, as the caption's OK button does.
    bool EndSetup(HWND main) {
        PostMessageW(main, WM_COMMAND, IDOK, 0);
        return WaitForSingleObject(setup.hProcess, 10000) == WAIT_OBJECT_0;
    }

    PROCESS_INFORMATION setup{};
};

TEST_F(SetupProgram, ColoredOnTheGeneralPageReachesTheRunningKeyboard) {
    ASSERT_NO_FATAL_FAILURE(StartSession(SessionSettings{0, 0}));
    const KeyGrid numeric = GridOf(0, 1);
    ASSERT_EQ(ScreenPixel(KeyFacePoint(keyboard, numeric, 0, 1)), White) << "black and white";

    HWND main = StartSetup();
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(ClickButton(main, L"General"));
    HWND general = WaitForDialog(L"General");
    ASSERT_NE(general, nullptr);
    ASSERT_TRUE(ClickButton(general, L"Colored"));
    ASSERT_TRUE(ClickButton(general, L"OK"));
    ASSERT_TRUE(WaitFor([] { return FindWindowW(L"#32770", L"General") == nullptr; }));
    ASSERT_TRUE(EndSetup(main));

    // Nothing tells the keyboard; its next paint reads the file. The page toggle repaints it.
    SetForegroundWindow(notepad);
    ASSERT_TRUE(WaitFor([&] { return NotepadHasFocus(); }));
    Tap(numeric, 0, 0);
    Tap(numeric, 0, 0);
    EXPECT_TRUE(WaitFor([&] {
        return ScreenPixel(KeyFacePoint(keyboard, numeric, 0, 1)) == DigitBlue;
    })) << "the \"7\" is coloured";
}

TEST_F(SetupProgram, BootImListsPlinkerpadAndThePanelThenStartsIt) {
    // A default that is no input method: the panel could not start it.
    RegSetKeyValueW(HKEY_CURRENT_USER, SipKey, L"DefaultIM", REG_SZ,
                    L"{00000000-0000-0000-0000-00000000BAD0}", 39 * sizeof(wchar_t));
    HWND main = StartSetup();
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(ClickButton(main, L"Boot-IM"));
    HWND bootIm = WaitForDialog(L"Set default Boot-IM");
    ASSERT_NE(bootIm, nullptr);
    HWND combo = FindWindowExW(bootIm, nullptr, L"ComboBox", nullptr);
    ASSERT_NE(combo, nullptr);
    const LRESULT item = SendMessageW(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                      reinterpret_cast<LPARAM>(L"Plinkerpad"));
    ASSERT_NE(item, CB_ERR) << "Plinkerpad is listed";
    EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), CB_ERR) << "nothing preselected";
    SendMessageW(combo, CB_SETCURSEL, item, 0);
    ASSERT_TRUE(ClickButton(bootIm, L"OK"));
    ASSERT_TRUE(WaitFor([] { return DefaultIm() == PlinkerpadClass; }))
        << "DefaultIM is " << testing::PrintToString(DefaultIm());
    ASSERT_TRUE(EndSetup(main));

    // Started without a class on its command line, the panel loads the default input method.
    ASSERT_TRUE(StartProgram(L"\"" + WinePath(PLINKER_PANEL) + L"\"", panelProcess));
    EXPECT_TRUE(WaitFor(KeyboardReady)) << "the panel shows Plinkerpad's keyboard";
}

} // namespace
