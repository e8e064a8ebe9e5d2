// Taps become the right callback calls in order; the strip floats and docks the keyboard.
#include "tests/imserver/SelectedKeyboard.h"

using ::testing::ElementsAre;

namespace {

using KeyInput = SelectedKeyboard;

// Cells are {row, column}; {0, 0} is the page toggle. Lower case travels with the capital's
// virtual key; control shortcuts send four events at the press. The decimal key types the first
// character of the locale's separator, the other one what the locale does not use: the test runs
// again under other separators (see CMakeLists.txt), an override made the user's for the run.
// A text key types its whole text at the press (a surrogate pair too), the page kept; empty cells
// of the text page do nothing. In phone order the top-left digit is "1" and "7 8 9" the lower
// row, on both pages; the other keys and the one row stay. Which key has which code is the
// model's, tested there.
TEST_F(KeyInput, TappedCellsTypeTheirKeys) {
    wchar_t expected[16] = L".", override[16] = {}, original[16] = {};
    GetEnvironmentVariableW(L"KEYBOARD_TEST_EXPECTED_SEPARATOR", expected, 16);
    if (GetEnvironmentVariableW(L"KEYBOARD_TEST_SEPARATOR_OVERRIDE", override, 16) > 0) {
        ASSERT_GT(GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, original, 16), 0);
        ASSERT_TRUE(SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, override));
    }
    const UINT point = expected[0], other = point == '.' ? ',' : '.';
    const std::string smile = "x\xF0\x9F\x98\x80";
    const struct {
        int KeyboardType;
        std::vector<Cell> Cells;
        std::vector<std::string> Calls;
        std::vector<std::string> Texts = {};
        int PhoneOrder = 0;
    } cases[] = {
        // clang-format off
        {0, {{0, 1}, {0, 4}, {1, 0}, {2, 4}},
            Typed({{'7', '7', 1}, {8, 8, 1}, {9, 9, 1}, {point, point, 1}})},
        {0, {{0, 0}, {0, 1}, {2, 4}, {0, 0}, {0, 1}},
            Typed({{'(', '(', 1}, {39, 39, 0}, {'7', '7', 1}})},
        {1, {{0, 0}, {0, 1}, {2, 4}}, {"vkey 0xa2 4", "vkey 0x58 4", "vkey 0x58 6", "vkey 0xa2 6",
                                       "vkey 0xa2 4", "vkey 0x5a 4", "vkey 0x5a 6", "vkey 0xa2 6"}},
        {2, {{0, 5}, {0, 0}, {1, 1}}, Typed({{'B', 'B', 1}, {'B', 'b', 1}})},
        {4, {{2, 6}, {3, 6}, {3, 2}, {2, 9}, {3, 4}, {3, 5}},
            Typed({{13, 13, 1}, {13, 13, 1}, {32, 32, 1}, {35, 35, 0}, {point, point, 1},
                   {other, other, 1}})},
        {0, {{0, 0}, {0, 0}, {0, 1}, {0, 2}, {2, 4}, {0, 0}, {0, 0}, {0, 0}, {0, 3}},
            {"string Hello", "string " + smile}, {"Hello", "", smile}},
        {0, {{0, 1}, {2, 2}, {1, 3}, {2, 0}},
            Typed({{'1', '1', 1}, {'8', '8', 1}, {'6', '6', 1}, {'0', '0', 1}}), {}, 1},
        {4, {{0, 3}, {2, 5}, {1, 4}, {0, 0}, {0, 3}},
            Typed({{'1', '1', 1}, {'9', '9', 1}, {'5', '5', 1}, {'1', '1', 1}}), {}, 1},
        {5, {{0, 1}, {0, 7}}, Typed({{'1', '1', 1}, {'7', '7', 1}}), {}, 1},
        // clang-format on
    };
    for (const auto& c : cases) {
        Start({1, 0, c.KeyboardType, 0, c.Texts, 0, c.PhoneOrder});
        for (const Cell& cell : c.Cells)
            TapCell(cell.Row, cell.Column);
        EXPECT_EQ(callback.Calls, c.Calls) << "case " << &c - cases;
    }
    if (*original != L'\0')
        SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, original);
}

// Nothing is sent before the callback arrives, nor for taps beside the last key or below the last
// row; a quick double tap types twice.
TEST_F(KeyInput, NothingIsSentWithoutACallbackOrAKey) {
    Start(TestSettings{}, false);
    Drag(80, 40);
    Send(WM_LBUTTONDOWN, Grid().Centre(0, 1));
    method->RegisterCallback(&callback);
    PumpMessages();
    Send(WM_LBUTTONUP, Grid().Centre(0, 1)); // its press was never sent: no release either
    const RECT last = Grid().Face(2, 4);
    Tap({last.right + 2, 10});
    Tap({40, last.bottom + 2});
    const POINT eight = Grid().Centre(0, 2);
    Tap(eight);
    Send(WM_LBUTTONDBLCLK, eight);
    Send(WM_LBUTTONUP, eight);
    EXPECT_EQ(callback.Calls, Typed({{'8', '8', 1}, {'8', '8', 1}}));
}

// Held past the delay, an editing key repeats its press without a repaint, and the lift sends
// its one release, after which no timer runs; any other key held as long sends one press, and no
// timer runs for it. Which keys repeat is the model's, tested there.
using KeyRepeat = SelectedKeyboard;

TEST_F(KeyRepeat, EditingKeysRepeatWhileHeldAndNoOtherKeyDoes) {
    const struct {
        int KeyboardType;
        Cell At;
        std::vector<std::string> Tap;
        bool Repeats;
    } cases[] = {
        {4, {0, 9}, Typed({{8, 8, 1}}), true},
        {4, {3, 8}, Typed({{40, 40, 0}}), true},
        {4, {0, 3}, Typed({{'7', '7', 1}}), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Tap.front());
        Start({1, 0, c.KeyboardType, 0});
        const POINT at = Grid().Centre(c.At.Row, c.At.Column);
        Send(WM_LBUTTONDOWN, at);
        UpdateWindow(keyboard);
        EXPECT_TRUE(c.Repeats ? AwaitCalls(4) : Rest() <= 1) << "one tick draws the key pressed";
        EXPECT_EQ(c.Repeats ? 0 : Rest(), 0) << "a key that never repeats keeps a timer";
        EXPECT_FALSE(GetUpdateRect(keyboard, nullptr, FALSE)) << "a repeat repaints";
        Send(WM_LBUTTONUP, at);
        EXPECT_EQ(Rest(), 0);
        std::vector<std::string> expected(c.Repeats ? 3 : 0, c.Tap.front());
        expected.insert(expected.end(), c.Tap.begin(), c.Tap.end());
        EXPECT_EQ(callback.Calls, expected);
    }
}

// Phone order set while "7" is held shows at the next touch: the held key is released as the "7"
// it was, and the same cell then types "1".
TEST_F(KeyInput, TheDigitOrderChangesBetweenTouches) {
    Send(WM_LBUTTONDOWN, Grid().Centre(0, 1));
    ChangeSettings({1, 0, 0, 0, {}, 0, 1});
    Repaint();
    Send(WM_LBUTTONUP, Grid().Centre(0, 1));
    TapCell(0, 1);
    EXPECT_EQ(callback.Calls, Typed({{'7', '7', 1}, {'1', '1', 1}}));
}

// The strip is pressed at (4, 30) of a keyboard whose client origin is (101, 151). A drop floats
// it in its floating size (1.5 and 2 times as large with Large and Extra large keys), wholly on
// screen, below the platform's bar (26 pixels); one-pixel moves are taps. Hiding and Showing change
// only the shown bit; a double tap docks it at the panel's bottom edge (230), as high as its type's
// rows ask (23 each, 35 Large, 46 Extra large), and so does a new Select.
using MovingKeyboard = SelectedKeyboard;

TEST_F(MovingKeyboard, DragFloatsAndDoubleTapDocks) {
    const struct {
        TestSettings Settings;
        POINT Drop;
        RECT Floating;
        LONG DockedTop;
    } cases[] = {
        {{1, 0, 0, 0}, {60, 40}, {157, 161, 272, 221}, 161},
        {{1, 0, 0, 1}, {60, 40}, {157, 161, 297, 236}, 161},
        {{1, 0, 0, 2}, {60, 40}, {157, 161, 332, 257}, 161},
        {{1, 0, 1, 2}, {60, 40}, {157, 161, 272, 241}, 138}, // only "Numeric" has floating sizes
        {{1, 0, 0, 0}, {-300, 40}, {0, 161, 115, 221}, 161},
        {{1, 0, 0, 0}, {60, -140}, {157, 26, 272, 86}, 161},
        {{1, 0, 0, 0}, {900, 40}, {525, 161, 640, 221}, 161},
        {{1, 0, 0, 0}, {60, 700}, {157, 420, 272, 480}, 161},
        {{1, 0, 0, 0}, {6, 30}, {103, 151, 218, 211}, 161},
        {{1, 1, 0, 0}, {6, 30}, {103, 151, 218, 211}, 161},
        {{1, 0, 0, 0, {}, 1}, {60, 40}, {157, 161, 330, 251}, 125}, // Large: keys of 30
        {{1, 0, 4, 0, {}, 2}, {60, 40}, {157, 161, 587, 321}, 46},  // Extra large: keys of 40
    };
    for (const auto& c : cases) {
        Start(c.Settings);
        Drag(4, 30);
        Drag(5, 31);
        Drag(c.Drop.x, c.Drop.y);
        EXPECT_EQ(VisibleBottom(), 480 - 26); // floating: the desktop loses the bottom bar
        EXPECT_EQ(method->Hiding(), S_OK);
        EXPECT_EQ(VisibleBottom(), 480);
        EXPECT_EQ(method->Showing(), S_OK);
        EXPECT_EQ(VisibleBottom(), 480 - 26);
        Drag(4, 30);
        Send(WM_LBUTTONDBLCLK, {4, 30});
        Send(WM_LBUTTONUP, {4, 30});
        EXPECT_THAT(callback.Calls,
                    ElementsAre(ImInfoCall(SIPF_ON, c.Floating),
                                ImInfoCall(SIPF_ON | SIPF_DOCKED, {100, c.DockedTop, 340, 230})))
            << "case " << &c - cases;
        EXPECT_EQ(VisibleBottom(), 480);
    }
    Drag(60, 40);
    method->Deselect();
    ASSERT_EQ(method->Select(panel), S_OK);
    EXPECT_EQ(VisibleBottom(), 480);
}

} // namespace
