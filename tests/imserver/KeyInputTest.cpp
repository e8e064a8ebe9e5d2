// Taps become the right callback calls in order; the strip floats and docks the keyboard.
#include "keyboard/Geometry.h"
#include "tests/imserver/SelectedKeyboard.h"

using ::testing::ElementsAre;

namespace {

using KeyInput = SelectedKeyboard;

// Cells are column, row; (0, 0) is the page toggle. Lower case travels with the capital's
// virtual key; control shortcuts send four events at the press. The decimal key types the first
// character of the locale's separator, the other one what the locale does not use: the test runs
// again under other separators (see CMakeLists.txt), an override made the user's for the run.
// With texts a third page: text N in cell N (twelve in one row), typed whole at the press (a
// surrogate pair too), the page kept; empty cells do nothing. In phone order the top-left digit
// is "1" and "7 8 9" the lower row, on both pages; the other keys and the one row stay.
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
        std::vector<POINT> Cells;
        std::vector<std::string> Calls;
        std::vector<std::string> Texts = {};
        int PhoneOrder = 0;
    } cases[] = {
        // clang-format off
        {0, {{1, 0}, {4, 0}, {0, 1}, {4, 2}},
            Typed({{'7', '7', 1}, {8, 8, 1}, {9, 9, 1}, {point, point, 1}})},
        {0, {{0, 0}, {1, 0}, {4, 2}, {0, 0}, {1, 0}},
            Typed({{'(', '(', 1}, {39, 39, 0}, {'7', '7', 1}})},
        {1, {{0, 0}, {3, 1}, {2, 1}, {0, 3}}, Typed({{36, 36, 0}, {46, 46, 0}, {8332, 8364, 1}})},
        {1, {{0, 0}, {1, 0}, {4, 2}}, {"vkey 0xa2 4", "vkey 0x58 4", "vkey 0x58 6", "vkey 0xa2 6",
                                       "vkey 0xa2 4", "vkey 0x5a 4", "vkey 0x5a 6", "vkey 0xa2 6"}},
        {2, {{5, 0}, {0, 0}, {1, 1}}, Typed({{'B', 'B', 1}, {'B', 'b', 1}})},
        {4, {{6, 2}, {6, 3}, {2, 3}, {9, 2}, {4, 3}, {5, 3}},
            Typed({{13, 13, 1}, {13, 13, 1}, {32, 32, 1}, {35, 35, 0}, {point, point, 1},
                   {other, other, 1}})},
        {0, {{0, 0}, {0, 0}, {1, 0}, {2, 0}, {4, 2}, {0, 0}, {0, 0}, {0, 0}, {3, 0}},
            {"string Hello", "string " + smile}, {"Hello", "", smile}},
        {0, {{0, 0}, {0, 0}, {1, 0}}, Typed({{'7', '7', 1}}), {"", ""}},
        {5, {{0, 0}, {0, 0}, {1, 0}, {12, 0}}, {"string a", "string z"},
            {"a", "", "", "", "", "", "", "", "", "", "", "z"}},
        {0, {{1, 0}, {2, 2}, {3, 1}, {0, 2}},
            Typed({{'1', '1', 1}, {'8', '8', 1}, {'6', '6', 1}, {'0', '0', 1}}), {}, 1},
        {4, {{3, 0}, {5, 2}, {4, 1}, {0, 0}, {3, 0}},
            Typed({{'1', '1', 1}, {'9', '9', 1}, {'5', '5', 1}, {'1', '1', 1}}), {}, 1},
        {5, {{1, 0}, {7, 0}}, Typed({{'1', '1', 1}, {'7', '7', 1}}), {}, 1},
        // clang-format on
    };
    for (const auto& c : cases) {
        Start({1, 0, c.KeyboardType, 0, c.Texts, 0, c.PhoneOrder});
        for (const POINT& cell : c.Cells)
            TapCell(cell.x, cell.y);
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
    Send(WM_LBUTTONDOWN, Grid().Centre(1, 0));
    method->RegisterCallback(&callback);
    PumpMessages();
    Send(WM_LBUTTONUP, Grid().Centre(1, 0)); // its press was never sent: no release either
    const RECT last = Grid().Face(4, 2);
    Tap({last.right + 2, 10});
    Tap({40, last.bottom + 2});
    const POINT eight = Grid().Centre(2, 0);
    Tap(eight);
    Send(WM_LBUTTONDBLCLK, eight);
    Send(WM_LBUTTONUP, eight);
    EXPECT_EQ(callback.Calls, Typed({{'8', '8', 1}, {'8', '8', 1}}));
}

// Held past the delay, the editing keys repeat their press without a repaint, and the lift sends
// their one release, after which no timer runs; any other key held as long sends one press, and
// no timer runs for it. Keyboard type 4 has most keys on its first page, type 1 the others on its
// second, reached through the page toggle.
using KeyRepeat = SelectedKeyboard;

TEST_F(KeyRepeat, EditingKeysRepeatWhileHeldAndNoOtherKeyDoes) {
    const struct {
        int KeyboardType;
        POINT Cell;
        std::vector<std::string> Tap;
        bool Repeats;
    } cases[] = {
        {4, {9, 0}, Typed({{8, 8, 1}}), true},
        {1, {2, 1}, Typed({{46, 46, 0}}), true},
        {4, {7, 3}, Typed({{37, 37, 0}}), true},
        {4, {8, 3}, Typed({{40, 40, 0}}), true},
        {4, {3, 0}, Typed({{'7', '7', 1}}), false},
        {4, {7, 2}, Typed({{36, 36, 0}}), false},
        {1, {1, 0}, {"vkey 0xa2 4", "vkey 0x58 4", "vkey 0x58 6", "vkey 0xa2 6"}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Tap.front());
        Start({1, 0, c.KeyboardType, 0});
        if (c.KeyboardType == 1)
            TapCell(0, 0);
        const POINT at = Grid().Centre(c.Cell.x, c.Cell.y);
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
    Send(WM_LBUTTONDOWN, Grid().Centre(1, 0));
    ChangeSettings({1, 0, 0, 0, {}, 0, 1});
    Repaint();
    Send(WM_LBUTTONUP, Grid().Centre(1, 0));
    TapCell(1, 0);
    EXPECT_EQ(callback.Calls, Typed({{'7', '7', 1}, {'1', '1', 1}}));
}

// The model alone: the window cannot show it, as a fault in a window procedure goes unseen.
TEST(Geometry, WindowWithoutAPixelPerKeyHasNoKeys) {
    for (const SIZE size : {SIZE{15, 80}, SIZE{240, 4}, SIZE{-20, -20}}) {
        EXPECT_EQ(ComputeGeometry(0, 0, size.cx, size.cy, 0, 0, StandardDpi), 0);
        EXPECT_EQ(KeyAt(11, 2), -1);
        EXPECT_EQ(KeyFaceRect(0, 0, 0).Slot, -1);
    }
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
