#include "KeyboardSession.h"

#include "tests/support/XMouse.h"
#include "tests/support/Rects.h"
#include "tests/support/Files.h"
#include "tests/support/Identity.h"

#include <objbase.h>

namespace {

constexpr wchar_t InstalledDll[] = L"C:\\windows\\Plinkerpad.dll";
// The prefix's settings file as it was before the tests wrote theirs: other tests read it.
constexpr wchar_t SavedSettingsFile[] = L"C:\\Plinkerpad.ini.e2e";
bool settingsSaved = false;

// Closes every window of the class (notepad's without saving) and ends the process that showed
// it, by force when it does not end; without a process, what an interrupted run left behind.
void CloseAll(const wchar_t* windowClass, StartedProcess& process) {
    while (HWND window = FindWindowW(windowClass, nullptr)) {
        if (HWND edit = FindWindowExW(window, nullptr, L"Edit", nullptr))
            SendMessageW(edit, EM_SETMODIFY, FALSE, 0);
        PostMessageW(window, WM_CLOSE, 0, 0);
        if (!WaitFor([&] { return !IsWindow(window); }, 5000))
            break;
    }
    if (!process.Process)
        return;
    if (WaitForSingleObject(process.Process, 5000) != WAIT_OBJECT_0)
        TerminateProcess(process.Process, 1);
    process = StartedProcess{};
}

} // namespace

testing::AssertionResult WindowAt(HWND window, const RECT& expected) {
    if (WaitFor([&] { return WindowRect(window) == expected; }, 5000))
        return testing::AssertionSuccess();
    return testing::AssertionFailure()
           << "window at " << WindowRect(window) << ", not " << expected;
}

HWND ShownMenu() {
    HWND menu = FindWindowW(L"#32768", nullptr);
    return menu != nullptr && IsWindowVisible(menu) ? menu : nullptr;
}

// Screen readers' calls to the panel's keyboard need COM on the test's thread.
void KeyboardSession::SetUpTestSuite() {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    StartedProcess none;
    CloseAll(L"SipWndClass", none);
    CloseAll(L"Notepad", none);
    settingsSaved = CopyFileW(SettingsFile, SavedSettingsFile, FALSE) != FALSE;
    ASSERT_TRUE(CopyFileW(WinePath(PLINKER_DLL).c_str(), InstalledDll, FALSE))
        << "error " << GetLastError();
    ASSERT_EQ(RunProgram(std::wstring(L"regsvr32 /s ") + InstalledDll), 0u) << "regsvr32";
    // The keyboard's Options start the setup program where the device has it, and its Help the
    // viewer with the document.
    for (const auto& [from, to] : {std::pair{PLINKER_SETUP, L"PlinkerpadSetup.exe"},
                                   {PLINKER_PEGHELP, L"PegHelp.exe"},
                                   {PLINKER_HELP_DOCUMENT, L"Plinkerpad.Hlp.htm"}}) {
        ASSERT_TRUE(
            CopyFileW(WinePath(from).c_str(), (std::wstring(L"C:\\windows\\") + to).c_str(), FALSE))
            << to << ": error " << GetLastError();
    }
}

void KeyboardSession::TearDownTestSuite() {
    if (settingsSaved)
        MoveFileExW(SavedSettingsFile, SettingsFile, MOVEFILE_REPLACE_EXISTING);
    else
        DeleteFileW(SettingsFile);
}

void KeyboardSession::StartSession(int keyboardType, SettingValues others) {
    others["KeyboardType"] = keyboardType;
    WriteSettingsFile(others);
    notepadProcess = StartProgram(L"notepad.exe");
    ASSERT_TRUE(notepadProcess.Started);
    ASSERT_TRUE(WaitFor([&] { return (edit = FindNotepadEdit()) != nullptr; }));
    notepad = FindNotepad();
    ASSERT_TRUE(WaitFor([&] { return NotepadHasFocus(); }));
    ASSERT_NO_FATAL_FAILURE(RestartPanel());
}

void KeyboardSession::RestartPanel() {
    CloseAll(L"SipWndClass", panelProcess);
    panelProcess = StartProgram(L"\"" + WinePath(PLINKER_PANEL) + L"\" " + PlinkerpadClassId);
    ASSERT_TRUE(panelProcess.Started);
    ASSERT_TRUE(WaitFor(KeyboardReady));
    panel = FindPanel();
    keyboard = FindKeyboard();
}

// The program is ended whatever happens, so that no window of it is left for the next test; the
// focus then goes back to notepad, as a user would tap it.
void KeyboardSession::UseSetupProgram(const std::function<void(HWND main)>& use) {
    StartedProcess setup = StartProgram(L"\"" + WinePath(PLINKER_SETUP) + L"\"");
    ASSERT_TRUE(setup.Started);
    struct Ending {
        StartedProcess& process;
        HWND notepad;
        ~Ending() {
            CloseAll(L"#32770", process);
            if (!WaitFor([&] { return GetForegroundWindow() == notepad; }, 3000))
                SetForegroundWindow(notepad);
        }
    } ending{setup, notepad};
    HWND main = nullptr;
    ASSERT_TRUE(WaitFor([&] {
        return (main = FindWindowW(nullptr, L"Plinkerpad Setup")) && IsWindowVisible(main);
    }));
    UpdateWindow(main); // its paint places the buttons
    use(main);
}

void KeyboardSession::EditPage(HWND main, int button, const wchar_t* title,
                               const std::function<void(HWND page)>& edit) {
    XClick(Centre(WindowRect(GetDlgItem(main, button))));
    HWND page = nullptr;
    ASSERT_TRUE(
        WaitFor([&] { return (page = FindWindowW(nullptr, title)) && IsWindowVisible(page); }));
    edit(page);
    XKey("Return");
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(page); })) << title;
}

void KeyboardSession::ClickButton(HWND page, const wchar_t* text) {
    HWND button = FindWindowExW(page, nullptr, L"Button", text);
    ASSERT_NE(button, nullptr) << testing::PrintToString(std::wstring(text));
    XClick(Centre(WindowRect(button)));
}

// Clicks its way through the Sniplets page as a user would.
void KeyboardSession::SaveFirstSniplet(const std::string& text) {
    UseSetupProgram([&](HWND main) {
        XClick(Centre(WindowRect(GetDlgItem(main, 1001))));
        HWND page = nullptr;
        HWND field = nullptr;
        ASSERT_TRUE(WaitFor([&] {
            page = FindWindowW(nullptr, L"Sniplets");
            return (field = FindWindowExW(page, nullptr, L"Edit", nullptr)) != nullptr;
        }));
        XClick(Centre(WindowRect(field)));
        XType(text);
        XClick(Centre(WindowRect(FindWindowExW(page, nullptr, L"Button", L"OK"))));
        ASSERT_TRUE(WaitFor([&] { return !IsWindow(page); }));
    });
}

void KeyboardSession::TearDown() {
    if (notepad != nullptr) {
        EXPECT_TRUE(NotepadHasFocus()) << "the focus left notepad";
    }
    CloseAll(L"SipWndClass", panelProcess);
    CloseAll(L"Notepad", notepadProcess);
}

void KeyboardSession::Tap(std::initializer_list<Key> keys) {
    for (const Key& key : keys)
        XClick(KeyCentre(keyboard, key.row, key.column));
}

void KeyboardSession::ActivateNotepad() {
    const RECT text = WindowRect(edit);
    XClick(POINT{text.left + 20, text.top + 20});
    ASSERT_TRUE(WaitFor([&] { return NotepadHasFocus(); }));
}

testing::AssertionResult KeyboardSession::NotepadShows(const std::wstring& text) {
    if (WaitFor([&] { return ReadNotepadText() == text; }, 5000))
        return testing::AssertionSuccess();
    return testing::AssertionFailure()
           << "notepad holds " << testing::PrintToString(ReadNotepadText());
}
