// The panel as a whole: floating and docking, its menu, and the command lines that InputPanel.exe
// refuses. Settings changed under a running keyboard are tried on the input method itself.

#include "KeyboardSession.h"
#include "XMouse.h"
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
        [&] { XClick(KeyCentre(keyboard, CurrentGrid(), 1, 2), 3); },
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
