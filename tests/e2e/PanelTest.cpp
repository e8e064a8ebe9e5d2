// The panel as a whole: floating and docking, settings that change the keyboard, its menu, and
// the command lines that InputPanel.exe refuses.

#include "KeyboardSession.h"
#include "XMouse.h"
#include "tests/support/Rects.h"

namespace {

constexpr COLORREF Gray = RGB(0xC0, 0xC0, 0xC0);
constexpr COLORREF DigitBlue = RGB(0xA0, 0xA0, 0xFF);

testing::AssertionResult WindowAt(HWND window, const RECT& expected) {
    if (WaitFor([&] { return WindowRect(window) == expected; }, 5000))
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << "window at " << WindowRect(window);
}

using Panel = KeyboardSession;

// Drags the keyboard by its strip, grabbed 4 pixels from the left edge and 20 down, so that the
// grab point lands on the target; returns where the panel should then stand for that size.
RECT DragStrip(HWND keyboard, POINT target, SIZE floatingSize) {
    const RECT client = ClientOnScreen(keyboard);
    XDrag(POINT{client.left + 4, client.top + 20}, target);
    const LONG left = target.x - 4;
    const LONG top = target.y - 20;
    return RECT{left, top, left + floatingSize.cx, top + floatingSize.cy};
}

TEST_F(Panel, DragOnTheStripFloatsThePanelWhichTypesAndDoubleClickDocksIt) {
    ASSERT_NO_FATAL_FAILURE(StartSession(SessionSettings{0}));
    const RECT docked = WindowRect(panel);
    const RECT floating = DragStrip(keyboard, POINT{300, 150}, SIZE{115, 60});
    EXPECT_TRUE(WindowAt(panel, floating));
    ASSERT_TRUE(WindowAt(keyboard, floating)) << "the keyboard follows the panel";
    Tap({{2, 3}}); // 3
    EXPECT_TRUE(NotepadShows(L"3"));

    XDoubleClick(POINT{floating.left + 4, floating.top + 20});
    EXPECT_TRUE(WindowAt(panel, docked));
    EXPECT_TRUE(WindowAt(keyboard, docked));
}

TEST_F(Panel, SettingsFileChangeShowsAtTheNextRepaint) {
    ASSERT_NO_FATAL_FAILURE(StartSession(SessionSettings{0, 1}));
    const KeyGrid numeric = GridOf(0, 1);
    EXPECT_EQ(ScreenPixel(KeyFacePoint(keyboard, numeric, 0, 1)), Gray);

    ASSERT_NO_FATAL_FAILURE(WriteSettings(SessionSettings{4, 2}));
    const KeyGrid big = GridOf(4, 1);
    Tap(numeric, 0, 0); // the page toggle repaints the whole keyboard
    Tap(big, 0, 0);
    EXPECT_TRUE(WaitFor([&] {
        return ScreenPixel(KeyFacePoint(keyboard, big, 0, 3)) == DigitBlue;
    })) << "the \"7\" of the big numeric keyboard is coloured";
    EXPECT_EQ(ScreenPixel(KeyFacePoint(keyboard, big, 0, 1)), Gray);
    Tap(big, 0, 3);
    EXPECT_TRUE(NotepadShows(L"7"));

    const RECT floating = DragStrip(keyboard, POINT{150, 100}, SIZE{215, 80});
    EXPECT_TRUE(WindowAt(panel, floating)) << "floating size of the big numeric keyboard";
}

TEST_F(Panel, QuitInTheRightClickMenuEndsThePanel) {
    ASSERT_NO_FATAL_FAILURE(StartSession(SessionSettings{0}));
    XClick(KeyCentre(keyboard, CurrentGrid(), 1, 2), 3);
    HWND menu = nullptr;
    ASSERT_TRUE(
        WaitFor([&] { return (menu = FindWindowW(L"#32768", nullptr)) && IsWindowVisible(menu); }));
    const RECT items = WindowRect(menu);
    XClick(POINT{(items.left + items.right) / 2, items.top + (items.bottom - items.top) * 3 / 4});
    ASSERT_EQ(WaitForSingleObject(panelProcess.hProcess, 10000), WAIT_OBJECT_0);
    DWORD exitCode = 1;
    GetExitCodeProcess(panelProcess.hProcess, &exitCode);
    EXPECT_EQ(exitCode, 0u);
    EXPECT_EQ(FindWindowW(L"PlinkerpadWndCls", nullptr), nullptr);
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
