// Taps on the keyboard window become the right IIMCallback calls, in the right order.
#include "tests/imserver/SelectedKeyboard.h"

#include <gmock/gmock.h>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

using KeyInput = SelectedKeyboard;

TEST_F(KeyInput, TappedCellsTypeTheirKeys) {
    struct {
        const char* What;
        TestSettings Settings;
        std::vector<POINT> Cells; // column, row; (0, 0) is the page toggle
        std::vector<std::string> Calls;
    } const cases[] = {
        {"digit", {}, {{1, 0}}, Typed({{'7', '7', 1}})},
        {"backspace and tab are characters", {}, {{4, 0}, {0, 1}}, Typed({{8, 8, 1}, {9, 9, 1}})},
        {"page toggle sends nothing",
         {},
         {{0, 0}, {1, 0}, {4, 2}, {0, 0}, {1, 0}},
         Typed({{'(', '(', 1}, {39, 39, 0}, {'7', '7', 1}})},
        {"lower case travels with the capital's key",
         {1, 0, 2, 0},
         {{5, 0}, {0, 0}, {1, 1}},
         Typed({{'B', 'B', 1}, {'B', 'b', 1}})},
        {"both cells of two-cell keys",
         {1, 0, 4, 0},
         {{6, 2}, {6, 3}, {2, 3}},
         Typed({{13, 13, 1}, {13, 13, 1}, {32, 32, 1}})},
    };
    for (const auto& c : cases) {
        Start(c.Settings);
        for (const POINT& cell : c.Cells)
            TapCell(cell.x, cell.y);
        EXPECT_EQ(callback.Calls, c.Calls) << c.What;
    }
}

TEST_F(KeyInput, ControlShortcutsSendFourEventsAtThePressOnly) {
    Start({1, 0, 1, 0}); // "Extended"
    TapCell(0, 0);
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
    const POINT lifts[] = {CellCentre(0, 0), {2000, 2000}, {4, 30}}; // toggle, outside, strip
    for (const POINT& lift : lifts) {
        Send(WM_LBUTTONDOWN, seven.x, seven.y);
        Send(WM_MOUSEMOVE, lift.x, lift.y);
        Send(WM_LBUTTONUP, lift.x, lift.y);
    }
    EXPECT_EQ(callback.Calls, Typed({{'7', '7', 1}, {'7', '7', 1}, {'7', '7', 1}, {'7', '7', 1}}));
}

TEST_F(KeyInput, QuickDoubleTapTypesTwice) {
    const POINT zero = CellCentre(0, 2);
    Send(WM_LBUTTONDOWN, zero.x, zero.y);
    Send(WM_LBUTTONUP, zero.x, zero.y);
    Send(WM_LBUTTONDBLCLK, zero.x, zero.y);
    Send(WM_LBUTTONUP, zero.x, zero.y);
    EXPECT_EQ(callback.Calls, Typed({{'0', '0', 1}, {'0', '0', 1}}));
}

TEST_F(KeyInput, TapsOnLeftoverPixelsAndStrayLiftsSendNothing) {
    RECT client;
    GetClientRect(keyboard, &client);
    const int gridRight = FaceRect(4, 2).right + Margin();
    const int gridBottom = FaceRect(4, 2).bottom + Margin();
    ASSERT_LT(gridRight, client.right);
    ASSERT_LT(gridBottom, client.bottom);
    Tap(gridRight, 10);  // right of the last column: not the next row's first key
    Tap(40, gridBottom); // below the last row
    Tap(client.right - 1, client.bottom - 1);
    Send(WM_LBUTTONUP, CellCentre(2, 0).x, CellCentre(2, 0).y); // a lift without a press
    EXPECT_THAT(callback.Calls, IsEmpty());
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
    EXPECT_EQ(callback.Calls, Typed({{'8', '8', 1}}));
}

TEST_F(KeyInput, OnlyLeavingTheShownKeyRepaints) {
    const POINT seven = CellCentre(1, 0);
    const POINT eight = CellCentre(2, 0);
    UpdateWindow(keyboard);
    Send(WM_MOUSEMOVE, seven.x, seven.y); // hovering with no key shown pressed
    EXPECT_FALSE(GetUpdateRect(keyboard, nullptr, FALSE));
    Send(WM_LBUTTONDOWN, seven.x, seven.y);
    EXPECT_TRUE(GetUpdateRect(keyboard, nullptr, FALSE));
    UpdateWindow(keyboard);
    Send(WM_MOUSEMOVE, seven.x + 3, seven.y + 1); // still over the shown key
    EXPECT_FALSE(GetUpdateRect(keyboard, nullptr, FALSE));
    Send(WM_MOUSEMOVE, eight.x, eight.y);
    EXPECT_TRUE(GetUpdateRect(keyboard, nullptr, FALSE));
    UpdateWindow(keyboard);
    Send(WM_MOUSEMOVE, seven.x, seven.y); // the highlight is gone; moving back changes nothing
    EXPECT_FALSE(GetUpdateRect(keyboard, nullptr, FALSE));
}

} // namespace
