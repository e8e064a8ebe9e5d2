// Taps on the keyboard window become the right IIMCallback calls, in the right order.
#include "tests/imserver/SelectedKeyboard.h"

#include <gmock/gmock.h>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

using KeyInput = SelectedKeyboard;

TEST_F(KeyInput, DigitSendsItsCharacterAtPressAndRelease) {
    TapCell(1, 0); // "7"
    EXPECT_THAT(callback.Calls, ElementsAre(PressOf('7', '7'), ReleaseOf('7', '7')));
}

TEST_F(KeyInput, CharactersTravelWithTheirVirtualKeys) {
    TapCell(4, 0); // "BS" types backspace
    TapCell(0, 1); // "TAB"
    EXPECT_THAT(callback.Calls,
                ElementsAre(PressOf(8, 8), ReleaseOf(8, 8), PressOf(9, 9), ReleaseOf(9, 9)));
}

TEST_F(KeyInput, PageToggleSwitchesPagesAndSendsNothing) {
    TapPageToggle();
    EXPECT_THAT(callback.Calls, IsEmpty());
    TapCell(1, 0); // "(" on the alternate page
    TapCell(4, 2); // "RT": a virtual key without a character
    TapPageToggle();
    TapCell(1, 0); // "7" again
    EXPECT_THAT(callback.Calls,
                ElementsAre(PressOf('(', '('), ReleaseOf('(', '('), VirtualKeyPress(39),
                            VirtualKeyRelease(39), PressOf('7', '7'), ReleaseOf('7', '7')));
}

TEST_F(KeyInput, LowerCaseLetterUsesTheCapitalsVirtualKey) {
    Start({1, 0, 2, 0}); // "Numeric + hex"
    TapCell(5, 0);       // "B"
    TapPageToggle();
    TapCell(1, 1); // "b"
    EXPECT_THAT(callback.Calls, ElementsAre(PressOf('B', 'B'), ReleaseOf('B', 'B'),
                                            PressOf('B', 'b'), ReleaseOf('B', 'b')));
}

TEST_F(KeyInput, ControlShortcutsSendFourEventsAtThePressOnly) {
    Start({1, 0, 1, 0}); // "Extended"
    TapPageToggle();
    Send(WM_LBUTTONDOWN, CellCentre(1, 0).x, CellCentre(1, 0).y); // "^X"
    EXPECT_THAT(callback.Calls,
                ElementsAre("vkey 0xa2 4", "vkey 0x58 4", "vkey 0x58 6", "vkey 0xa2 6"));
    Send(WM_LBUTTONUP, CellCentre(1, 0).x, CellCentre(1, 0).y);
    TapCell(4, 2); // "^Z"
    EXPECT_EQ(callback.Calls.size(), 8u);
    EXPECT_EQ(callback.Calls[5], "vkey 0x5a 4");
}

TEST_F(KeyInput, SlideReleasesThePressedKeyWhereverTheFingerLifts) {
    const POINT seven = CellCentre(1, 0);
    const POINT eight = CellCentre(2, 0);
    Send(WM_LBUTTONDOWN, seven.x, seven.y);
    Send(WM_MOUSEMOVE, eight.x, eight.y);
    EXPECT_EQ(GetCapture(), keyboard); // the lift comes here even outside the window
    Send(WM_LBUTTONUP, eight.x, eight.y);
    EXPECT_NE(GetCapture(), keyboard);
    const POINT toggle = CellCentre(0, 0);
    Send(WM_LBUTTONDOWN, seven.x, seven.y);
    Send(WM_LBUTTONUP, toggle.x, toggle.y); // a lift over the page toggle still releases
    Send(WM_LBUTTONDOWN, seven.x, seven.y);
    Send(WM_LBUTTONUP, 2000, 2000); // lifted outside the window
    EXPECT_THAT(callback.Calls,
                ElementsAre(PressOf('7', '7'), ReleaseOf('7', '7'), PressOf('7', '7'),
                            ReleaseOf('7', '7'), PressOf('7', '7'), ReleaseOf('7', '7')));
}

TEST_F(KeyInput, LiftWithoutPressSendsNothing) {
    Send(WM_LBUTTONUP, CellCentre(2, 0).x, CellCentre(2, 0).y);
    EXPECT_THAT(callback.Calls, IsEmpty());
}

TEST_F(KeyInput, QuickDoubleTapTypesTwice) {
    const POINT zero = CellCentre(0, 2);
    Send(WM_LBUTTONDOWN, zero.x, zero.y);
    Send(WM_LBUTTONUP, zero.x, zero.y);
    Send(WM_LBUTTONDBLCLK, zero.x, zero.y);
    Send(WM_LBUTTONUP, zero.x, zero.y);
    EXPECT_THAT(callback.Calls, ElementsAre(PressOf('0', '0'), ReleaseOf('0', '0'),
                                            PressOf('0', '0'), ReleaseOf('0', '0')));
}

TEST_F(KeyInput, TapsOnLeftoverPixelsSendNothing) {
    RECT client;
    GetClientRect(keyboard, &client);
    const int gridRight = Margin() + 9 + Columns() * KeyWidth();
    const int gridBottom = Margin() + Rows() * KeyHeight();
    ASSERT_LT(gridRight, client.right);
    ASSERT_LT(gridBottom, client.bottom);
    Tap(gridRight, 10);  // right of the last column: not the next row's first key
    Tap(40, gridBottom); // below the last row
    Tap(client.right - 1, client.bottom - 1);
    EXPECT_THAT(callback.Calls, IsEmpty());
}

TEST_F(KeyInput, SecondCellOfATwoCellKeyTypesTheSameKey) {
    Start({1, 0, 4, 0}); // "Big numeric"
    TapCell(6, 2);       // upper cell of "RET"
    TapCell(6, 3);       // lower cell
    TapCell(2, 3);       // right half of "SPC"
    EXPECT_THAT(callback.Calls, ElementsAre(PressOf(13, 13), ReleaseOf(13, 13), PressOf(13, 13),
                                            ReleaseOf(13, 13), PressOf(32, 32), ReleaseOf(32, 32)));
}

TEST_F(KeyInput, NothingIsSentBeforeTheCallbackArrives) {
    Start(TestSettings{}, false);
    Send(WM_LBUTTONDOWN, 4, 30); // strip gestures without a callback are silent
    Send(WM_LBUTTONUP, 80, 40);
    Send(WM_LBUTTONDBLCLK, 4, 30);
    Send(WM_LBUTTONUP, 4, 30);
    const POINT seven = CellCentre(1, 0);
    Send(WM_LBUTTONDOWN, seven.x, seven.y);
    method->RegisterCallback(&callback);
    PumpMessages();
    Send(WM_LBUTTONUP, seven.x, seven.y); // its press was never sent: no release either
    EXPECT_THAT(callback.Calls, IsEmpty());
    TapCell(2, 0);
    EXPECT_THAT(callback.Calls, ElementsAre(PressOf('8', '8'), ReleaseOf('8', '8')));
}

TEST_F(KeyInput, OnlyLeavingTheShownKeyRepaints) {
    const POINT seven = CellCentre(1, 0);
    const POINT eight = CellCentre(2, 0);
    UpdateWindow(keyboard);
    Send(WM_MOUSEMOVE, seven.x, seven.y); // hovering with no key shown pressed
    EXPECT_FALSE(HasPendingPaint());
    Send(WM_LBUTTONDOWN, seven.x, seven.y);
    EXPECT_TRUE(HasPendingPaint());
    UpdateWindow(keyboard);
    Send(WM_MOUSEMOVE, seven.x + 3, seven.y + 1); // still over the shown key
    EXPECT_FALSE(HasPendingPaint());
    Send(WM_MOUSEMOVE, eight.x, eight.y);
    EXPECT_TRUE(HasPendingPaint());
    UpdateWindow(keyboard);
    Send(WM_MOUSEMOVE, seven.x, seven.y); // the highlight is gone; moving back changes nothing
    EXPECT_FALSE(HasPendingPaint());
}
