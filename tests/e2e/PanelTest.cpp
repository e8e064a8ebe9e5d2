// The panel as a whole: floating and docking, its menu, and the command lines that InputPanel.exe
// refuses. Settings changed under a running keyboard are tried on the input method itself.

#include "KeyboardSession.h"
#include "tests/support/XMouse.h"
#include "tests/support/Rects.h"

namespace {

using Panel = KeyboardSession;

TEST_F(Panel, DragOnTheStripFloatsThePanelWhichTypesAndDoubleClickDocksIt) {
    ASSERT_NO_FATAL_FAILURE(StartSession(0));
    const RECT docked = WindowRect(panel);
    // Grabbed 4 pixels from the left edge and 20 down, the strip drags the floating keyboard.
    const RECT client = ClientOnScreen(keyboard);
    XDrag(POINT{client.left + 4, client.top + 20}, POINT{300, 150});
    const RECT floating = {296, 130, 296 + 115, 130 + 60};
    EXPECT_TRUE(WindowAt(panel, floating));
    ASSERT_TRUE(WindowAt(keyboard, floating)) << "the keyboard follows the panel";
    Tap({{2, 3}}); // 3
    EXPECT_TRUE(NotepadShows(L"3"));

    XDoubleClick(POINT{floating.left + 4, floating.top + 20});
    EXPECT_TRUE(WindowAt(panel, docked));
    EXPECT_TRUE(WindowAt(keyboard, docked));
}

// A right click on a key, or a finger held still on the strip, opens the menu; its Quit ends
// the panel.
TEST_F(Panel, QuitInTheMenuOfARightClickOrOfAHeldStripEndsThePanel) {
    ASSERT_NO_FATAL_FAILURE(StartSession(0));
    const std::function<void()> ways[] = {
        [&] { XClick(KeyCentre(keyboard, 1, 2), 3); },
        [&] {
            const RECT client = ClientOnScreen(keyboard);
            XHold(POINT{client.left + 4, client.top + 20}, 1000);
        },
    };
    for (const auto& openMenu : ways) {
        SCOPED_TRACE(&openMenu - ways);
        ASSERT_NO_FATAL_FAILURE(RestartPanel());
        openMenu();
        HWND menu = nullptr;
        ASSERT_TRUE(WaitFor([&] { return (menu = ShownMenu()) != nullptr; }));
        const RECT items = WindowRect(menu);
        XClick(
            POINT{(items.left + items.right) / 2, items.top + (items.bottom - items.top) * 3 / 4});
        ASSERT_EQ(WaitForSingleObject(panelProcess.Process, 10000), WAIT_OBJECT_0);
        DWORD exitCode = 1;
        GetExitCodeProcess(panelProcess.Process, &exitCode);
        EXPECT_EQ(exitCode, 0u);
        EXPECT_EQ(FindWindowW(L"PlinkerpadWndCls", nullptr), nullptr);
        EXPECT_TRUE(NotepadShows(L"")) << "the menu's keys type nothing";
    }
}

// The setup program, started by Options in the menu, and its help are opened and closed; then the
// keyboard is floated over notepad and notepad activated by a click: the keyboard is still the
// window under its centre, and its keys type.
TEST_F(Panel, FloatingKeyboardStaysAboveNotepadAfterTheSetupProgramAndItsHelp) {
    ASSERT_NO_FATAL_FAILURE(StartSession(0));
    XClick(KeyCentre(keyboard, 1, 2), 3);
    HWND menu = nullptr;
    ASSERT_TRUE(
        WaitFor([&] { return (menu = FindWindowW(L"#32768", nullptr)) && IsWindowVisible(menu); }));
    const RECT items = WindowRect(menu);
    XClick(POINT{(items.left + items.right) / 2, items.top + (items.bottom - items.top) / 4});
    HWND main = nullptr;
    ASSERT_TRUE(WaitFor([&] {
        return (main = FindWindowW(nullptr, L"Plinkerpad Setup")) && IsWindowVisible(main);
    }));
    UpdateWindow(main); // its paint places the buttons
    XClick(Centre(WindowRect(GetDlgItem(main, 1008))));
    HWND help = nullptr;
    ASSERT_TRUE(WaitFor(
        [&] { return (help = FindWindowW(L"PegHelpWnd", nullptr)) && IsWindowVisible(help); }));
    PostMessageW(help, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(help); }));
    PostMessageW(main, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(main); }));

    const RECT docked = WindowRect(panel);
    const RECT client = ClientOnScreen(keyboard);
    XDrag(POINT{client.left + 4, client.top + 20}, Centre(WindowRect(notepad)));
    ASSERT_TRUE(WaitFor([&] { return !(WindowRect(panel) == docked); }));
    ASSERT_NO_FATAL_FAILURE(ActivateNotepad());
    EXPECT_EQ(WindowFromPoint(Centre(WindowRect(keyboard))), keyboard);
    EXPECT_TRUE(WaitFor(KeyboardReady)) << "the screen shows the keyboard's strip";
    Tap({{2, 3}}); // 3
    EXPECT_TRUE(NotepadShows(L"3"));
}

// Refused with an exit code, and no window left behind.
TEST(InputPanelProgram, TextThatIsNoClassIdEndsWith2AClassNotRegisteredWith1) {
    for (const auto& [classId, expected] : {std::pair{L"Plinkerpad", 2u},
                                            {L"{9B1C7E42-5D3A}", 2u},
                                            {L"{12345678-9ABC-DEF0-1234-56789ABCDEF0}", 1u}}) {
        EXPECT_EQ(RunProgram(L"\"" + WinePath(PLINKER_PANEL) + L"\" " + classId), expected)
            << classId;
    }
    EXPECT_EQ(FindWindowW(L"SipWndClass", nullptr), nullptr);
}

} // namespace
