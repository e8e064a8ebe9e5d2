// Taps on the keyboard type into notepad what the keys say. Each keyboard's keys are tried on the
// input method with a recording callback; here the way into notepad, one keyboard at a time.

#include "KeyboardSession.h"
#include "tests/support/XMouse.h"
#include "tests/support/Files.h"

namespace {

using Typing = KeyboardSession;

// Wine's console shows its window from a process of its own, conhost.exe.
bool IsConsoleWindow(HWND window) {
    DWORD id = 0;
    GetWindowThreadProcessId(window, &id);
    const OwnedProcess process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id));
    wchar_t path[MAX_PATH] = L"";
    DWORD size = MAX_PATH;
    const bool named = process && QueryFullProcessImageNameW(process, 0, path, &size);
    const std::wstring name = path;
    return named && name.size() >= 11 &&
           _wcsicmp(name.c_str() + name.size() - 11, L"conhost.exe") == 0;
}

TEST_F(Typing, ShortcutKeysCopyPasteCutAndUndoThenHomeEuroAndDelete) {
    ASSERT_TRUE(OpenClipboard(nullptr) && EmptyClipboard() && CloseClipboard());
    ASSERT_NO_FATAL_FAILURE(StartSession(1));
    Tap({{2, 1}, {2, 2}}); // 1 2
    ASSERT_TRUE(NotepadShows(L"12"));
    SendMessageW(edit, EM_SETSEL, 0, -1);
    Tap({{0, 0}, {0, 2}, {3, 4}, {0, 3}}); // page toggle, ^C RT ^V
    EXPECT_TRUE(NotepadShows(L"1212"));
    SendMessageW(edit, EM_SETSEL, 0, 3);
    Tap({{0, 1}}); // ^X
    EXPECT_TRUE(NotepadShows(L"2"));
    Tap({{2, 4}}); // ^Z
    EXPECT_TRUE(NotepadShows(L"1212"));
    Tap({{1, 3}, {0, 3}}); // HM ^V: the cut text
    EXPECT_TRUE(NotepadShows(L"1211212"));
    Tap({{3, 0}, {1, 2}}); // euro DEL
    EXPECT_TRUE(NotepadShows(L"121\x20AC"
                             L"212"));
}

// Large keys docked below notepad: the panel is as large as they ask (rows of 35 pixels, 9.3 mm
// at 96 DPI), and real clicks on them type.
TEST_F(Typing, LargeKeysDockedBelowNotepadType) {
    ASSERT_NO_FATAL_FAILURE(StartSession(0, {{"KeySize", 1}}));
    const RECT client = ClientOnScreen(keyboard);
    EXPECT_GE((client.bottom - client.top) / 3, 34) << "rows of 9 mm";
    EXPECT_GE(client.right - client.left, 5 * 35);
    Tap({{0, 1}, {2, 3}, {1, 2}}); // 7 3 5
    EXPECT_TRUE(NotepadShows(L"735"));
}

// Held for 1.5 s, Backspace deletes one zero after another, at most 1 + 1.25 s x 30 of them
// however quick the system's repeat; a held "7" then types once, and ends any repeat left over.
TEST_F(Typing, HeldBackspaceDeletesSeveralCharactersAndAHeldDigitTypesOnce) {
    ASSERT_NO_FATAL_FAILURE(StartSession(0));
    const std::wstring zeros(60, L'0');
    SendMessageW(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(zeros.c_str()));
    XHold(KeyCentre(keyboard, 0, 4), 1500); // BS
    XHold(KeyCentre(keyboard, 0, 1), 1500); // 7
    ASSERT_TRUE(WaitFor([&] { return ReadNotepadText().find(L'7') != std::wstring::npos; }));
    const std::wstring shown = ReadNotepadText();
    EXPECT_EQ(shown, std::wstring(shown.size() - 1, L'0') + L"7");
    EXPECT_LT(shown.size(), zeros.size()) << "one Backspace only";
    EXPECT_GT(shown.size(), 20u) << "Backspace went on after the lift";
}

// Wine's console reads keys, not Unicode events: a line typed on the extended keyboard at cmd's
// "set /p" prompt reaches cmd, which writes it to a file, the Shift of "*" included.
TEST_F(Typing, ALineTypedIntoWinesConsoleReachesIt) {
    ASSERT_NO_FATAL_FAILURE(StartSession(1));
    const std::wstring ready = L"C:\\console-ready.txt", line = L"C:\\console-line.txt";
    DeleteFileW(ready.c_str());
    DeleteFileW(line.c_str());
    const StartedProcess console = StartProgram(
        L"cmd.exe /v:on /c \"echo.>" + ready + L"& set /p typed=&& echo !typed!>" + line + L"\"",
        CREATE_NEW_CONSOLE);
    ASSERT_TRUE(console.Started);
    // cmd has started in the console, and the console's window has the focus.
    ASSERT_TRUE(WaitFor([&] {
        return GetFileAttributesW(ready.c_str()) != INVALID_FILE_ATTRIBUTES &&
               IsConsoleWindow(GetForegroundWindow());
    }));
    Tap({{2, 1}, {2, 2}, {3, 2}, {1, 2}, {3, 0}, {1, 1}, {1, 4}}); // 1 2 . 5 * 4 RET
    EXPECT_EQ(WaitForSingleObject(console.Process, 10000), WAIT_OBJECT_0) << "the line did not end";
    TerminateProcess(console.Process, 1);
    EXPECT_EQ(ReadBytes(line), "12.5*4\r\n");
    DeleteFileW(line.c_str());
    DeleteFileW(ready.c_str());
    ActivateNotepad();
}

// The user's way to a text key: the setup program's Sniplets page, its first field typed on the
// X keyboard and saved, then the page toggle twice and the first text key.
TEST_F(Typing, TextSetOnTheSetupProgramsSnipletsPageIsTypedByItsKey) {
    ASSERT_NO_FATAL_FAILURE(StartSession(0));
    ASSERT_NO_FATAL_FAILURE(SaveFirstSniplet("Tip 10 %"));
    Tap({{0, 0}, {0, 0}, {0, 1}}); // page toggle twice, the first text
    EXPECT_TRUE(NotepadShows(L"Tip 10 %"));
}

} // namespace
