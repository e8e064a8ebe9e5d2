// Taps on the keyboard window become the right IIMCallback calls, in the right order; the
// handle strip floats the keyboard with a drag and docks it with a double tap.
#include "tests/imserver/SelectedKeyboard.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

// With KEYBOARD_TEST_SEPARATOR_OVERRIDE set, the run makes it the user's decimal separator
// before the library reads it, and puts the old one back at the end.
class SeparatorOverride : public ::testing::Environment {
public:
    void SetUp() override {
        wchar_t value[16] = {}, old[16] = {};
        if (GetEnvironmentVariableW(L"KEYBOARD_TEST_SEPARATOR_OVERRIDE", value, 16) == 0)
            return;
        ASSERT_GT(GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, old, 16), 0);
        original = old;
        ASSERT_TRUE(SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, value));
    }
    void TearDown() override {
        if (!original.empty())
            SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, original.c_str());
    }

private:
    std::wstring original;
};
::testing::Environment* const Override = ::testing::AddGlobalTestEnvironment(new SeparatorOverride);

using KeyInput = SelectedKeyboard;

// Cells are column, row; (0, 0) is the page toggle, which sends nothing. Lower case travels
// with the capital's virtual key; both cells of a two-cell key type it.
TEST_F(KeyInput, TappedCellsTypeTheirKeys) {
    const struct {
        int KeyboardType;
        std::vector<POINT> Cells;
        std::vector<std::string> Calls;
    } cases[] = {
        // clang-format off
        {0, {{1, 0}, {4, 0}, {0, 1}}, Typed({{'7', '7', 1}, {8, 8, 1}, {9, 9, 1}})},
        {0, {{0, 0}, {1, 0}, {4, 2}, {0, 0}, {1, 0}},
            Typed({{'(', '(', 1}, {39, 39, 0}, {'7', '7', 1}})},
        {1, {{0, 0}, {3, 1}, {2, 1}, {0, 3}}, Typed({{36, 36, 0}, {46, 46, 0}, {8332, 8364, 1}})},
        {2, {{5, 0}, {0, 0}, {1, 1}}, Typed({{'B', 'B', 1}, {'B', 'b', 1}})},
        {4, {{6, 2}, {6, 3}, {2, 3}, {9, 2}},
            Typed({{13, 13, 1}, {13, 13, 1}, {32, 32, 1}, {35, 35, 0}})},
        // clang-format on
    };
    for (const auto& c : cases) {
        Start({1, 0, c.KeyboardType, 0});
        for (const POINT& cell : c.Cells)
            TapCell(cell.x, cell.y);
        EXPECT_EQ(callback.Calls, c.Calls) << "type " << c.KeyboardType;
    }
}

// Run again under other separators (see CMakeLists.txt): the decimal key types the first
// character of the locale's separator, the other-separator key the one the locale does not use.
TEST_F(KeyInput, SeparatorKeysFollowTheLocale) {
    wchar_t expected[16] = L".";
    GetEnvironmentVariableW(L"KEYBOARD_TEST_EXPECTED_SEPARATOR", expected, 16);
    const UINT decimal = expected[0];
    const UINT other = decimal == '.' ? ',' : '.';
    TapCell(4, 2);
    EXPECT_EQ(callback.Calls, Typed({{decimal, decimal, 1}}));
    Start({1, 0, 4, 0}); // "Big numeric": decimal, then the other one, in row 3
    TapCell(4, 3);
    TapCell(5, 3);
    EXPECT_EQ(callback.Calls, Typed({{decimal, decimal, 1}, {other, other, 1}}));
}

TEST_F(KeyInput, ControlShortcutsSendFourEventsAtThePressOnly) {
    Start({1, 0, 1, 0}); // "Extended"
    TapCell(0, 0);
    TapCell(1, 0); // "^X"
    TapCell(4, 2); // "^Z"
    EXPECT_THAT(callback.Calls,
                ElementsAre("vkey 0xa2 4", "vkey 0x58 4", "vkey 0x58 6", "vkey 0xa2 6",
                            "vkey 0xa2 4", "vkey 0x5a 4", "vkey 0x5a 6", "vkey 0xa2 6"));
}

TEST_F(KeyInput, EveryPressIsReleasedWhereverTheFingerLifts) {
    const POINT seven = Grid().Centre(1, 0);
    Send(WM_LBUTTONDOWN, seven);
    Send(WM_MOUSEMOVE, Grid().Centre(2, 0));
    EXPECT_EQ(GetCapture(), keyboard); // the lift comes here even outside the window
    Send(WM_LBUTTONUP, Grid().Centre(2, 0));
    EXPECT_NE(GetCapture(), keyboard);
    for (const POINT lift : {Grid().Centre(0, 0), POINT{2000, 2000}, POINT{4, 30}}) {
        Send(WM_LBUTTONDOWN, seven);
        Send(WM_MOUSEMOVE, lift);
        Send(WM_LBUTTONUP, lift);
    }
    // A quick double tap types twice; stray lifts and leftover pixels send nothing.
    Tap(seven);
    Send(WM_LBUTTONDBLCLK, seven);
    Send(WM_LBUTTONUP, seven);
    Send(WM_LBUTTONUP, seven);
    const RECT last = Grid().Face(4, 2);
    Tap({last.right + 2, 10});
    Tap({40, last.bottom + 2});
    EXPECT_EQ(callback.Calls, Typed({{'7', '7', 1},
                                     {'7', '7', 1},
                                     {'7', '7', 1},
                                     {'7', '7', 1},
                                     {'7', '7', 1},
                                     {'7', '7', 1}}));
}

TEST_F(KeyInput, NothingIsSentBeforeTheCallbackArrives) {
    Start(TestSettings{}, false);
    Send(WM_LBUTTONDOWN, {4, 30}); // strip gestures without a callback are silent
    Send(WM_LBUTTONUP, {80, 40});
    Send(WM_LBUTTONDBLCLK, {4, 30});
    Send(WM_LBUTTONDOWN, Grid().Centre(1, 0));
    method->RegisterCallback(&callback);
    PumpMessages();
    Send(WM_LBUTTONUP, Grid().Centre(1, 0)); // its press was never sent: no release either
    EXPECT_THAT(callback.Calls, IsEmpty());
    TapCell(2, 0);
    EXPECT_EQ(callback.Calls, Typed({{'8', '8', 1}}));
}

TEST_F(KeyInput, OnlyLeavingTheShownKeyRepaints) {
    const POINT seven = Grid().Centre(1, 0);
    const auto repaintPending = [this] { return GetUpdateRect(keyboard, nullptr, FALSE) != 0; };
    UpdateWindow(keyboard);
    Send(WM_MOUSEMOVE, seven); // hovering with no key shown pressed
    EXPECT_FALSE(repaintPending());
    Send(WM_LBUTTONDOWN, seven);
    EXPECT_TRUE(repaintPending());
    UpdateWindow(keyboard);
    Send(WM_MOUSEMOVE, {seven.x + 3, seven.y + 1}); // still over the shown key
    EXPECT_FALSE(repaintPending());
    Send(WM_MOUSEMOVE, Grid().Centre(2, 0));
    EXPECT_TRUE(repaintPending());
    UpdateWindow(keyboard);
    Send(WM_MOUSEMOVE, seven); // the highlight is gone; moving back changes nothing
    EXPECT_FALSE(repaintPending());
}

// Press on the strip at (4, 30), lift at the client point; where a drop puts the floating
// keyboard before any clamp: the keyboard's client origin is the panel's corner inside its
// border, (101, 151).
class MovingKeyboard : public SelectedKeyboard {
protected:
    void Drag(int x, int y) {
        Send(WM_LBUTTONDOWN, {4, 30});
        Send(WM_MOUSEMOVE, {(4 + x) / 2, (30 + y) / 2});
        Send(WM_LBUTTONUP, {x, y});
    }
    static RECT Unclamped(int x, int y, int width, int height) {
        return {97 + x, 121 + y, 97 + x + width, 121 + y + height};
    }
};

TEST_F(MovingKeyboard, DragFloatsTheKeyboardInItsSizeWhereItIsDropped) {
    struct {
        TestSettings Settings;
        int Width, Height;
    } const cases[] = {{{1, 0, 0, 0}, 115, 60},
                       {{1, 0, 0, 1}, 140, 75},
                       {{1, 0, 0, 2}, 175, 96},
                       {{1, 0, 1, 2}, 115, 80}}; // only "Numeric" has floating sizes
    for (const auto& c : cases) {
        Start(c.Settings);
        Drag(60, 40);
        EXPECT_THAT(callback.Calls,
                    ElementsAre(ImInfoCall(SIPF_ON, Unclamped(60, 40, c.Width, c.Height))));
        EXPECT_NE(GetCapture(), keyboard);
        EXPECT_EQ(VisibleBottom(), 480 - 26); // floating: the desktop loses the bottom bar
    }
}

TEST_F(MovingKeyboard, TouchWithoutMovementNeverFloatsWhateverTheLook) {
    for (int no3D : {0, 1}) {
        Start({1, no3D, 0, 0});
        Drag(4, 30);
        Drag(5, 31); // one pixel in each direction is still a tap
        EXPECT_THAT(callback.Calls, IsEmpty()) << "No3D " << no3D;
        Drag(6, 30); // two pixels is a drag
        EXPECT_THAT(callback.Calls, ElementsAre(ImInfoCall(SIPF_ON, Unclamped(6, 30, 115, 60))));
    }
}

TEST_F(MovingKeyboard, DroppedKeyboardStaysWhollyOnTheScreen) {
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    for (const POINT drop : {POINT{-300, 40}, {60, -140}, {900, 40}, {60, 700}})
        Drag(drop.x, drop.y);
    const RECT at = Unclamped(60, 40, 0, 0);
    EXPECT_THAT(callback.Calls,
                ElementsAre(ImInfoCall(SIPF_ON, {0, at.top, 115, at.top + 60}),
                            ImInfoCall(SIPF_ON, {at.left, 26, at.left + 115, 26 + 60}),
                            ImInfoCall(SIPF_ON, {width - 115, at.top, width, at.top + 60}),
                            ImInfoCall(SIPF_ON, {at.left, height - 60, at.left + 115, height})));
}

TEST_F(MovingKeyboard, DoubleTapOnTheStripDocksWhateverTheLook) {
    for (int no3D : {0, 1}) {
        Start({1, no3D, 0, 0});
        Drag(60, 40);
        Drag(4, 30);
        Send(WM_LBUTTONDBLCLK, {4, 30});
        Send(WM_LBUTTONUP, {4, 30});
        EXPECT_THAT(callback.Calls,
                    ElementsAre(ImInfoCall(SIPF_ON, Unclamped(60, 40, 115, 60)),
                                ImInfoCall(SIPF_ON | SIPF_DOCKED, {100, 150, 340, 230})))
            << "No3D " << no3D;
        EXPECT_EQ(VisibleBottom(), 480); // docked again, the visible desktop is left alone
    }
}

} // namespace
