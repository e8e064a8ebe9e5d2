// The handle strip floats the keyboard with a drag and docks it with a double tap.
#include "tests/imserver/SelectedKeyboard.h"

#include <gmock/gmock.h>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

class MovingKeyboard : public SelectedKeyboard {
protected:
    // Press on the strip at (4, 30), lift at the client point (x, y).
    void Drag(int x, int y) {
        Send(WM_LBUTTONDOWN, 4, 30);
        Send(WM_MOUSEMOVE, (4 + x) / 2, (30 + y) / 2);
        Send(WM_LBUTTONUP, x, y);
    }
    // Where a drop at client (x, y) puts the floating keyboard, before any clamp: the keyboard
    // window's client origin is the panel's corner inside its border, (101, 151).
    static RECT Unclamped(int x, int y, int width, int height) {
        return {101 + x - 4, 151 + y - 30, 101 + x - 4 + width, 151 + y - 30 + height};
    }
};

TEST_F(MovingKeyboard, DragFloatsTheKeyboardInItsSizeWhereItIsDropped) {
    struct {
        TestSettings Settings;
        int Width, Height;
    } const cases[] = {
        {{1, 0, 0, 0}, 115, 60},
        {{1, 0, 0, 2}, 175, 96},
        {{1, 0, 1, 2}, 115, 80}, // only "Numeric" has floating sizes
    };
    for (const auto& c : cases) {
        Start(c.Settings);
        Drag(60, 40);
        EXPECT_THAT(callback.Calls,
                    ElementsAre(ImInfoCall(SIPF_ON, Unclamped(60, 40, c.Width, c.Height))));
        EXPECT_NE(GetCapture(), keyboard);
        // Floating and showing, the panel's visible desktop loses the bottom 26 rows.
        EXPECT_EQ(VisibleBottom(), 480 - 26);
    }
}

TEST_F(MovingKeyboard, TouchWithoutMovementNeverFloatsWhateverTheLook) {
    for (int no3D : {0, 1}) {
        Start({1, no3D, 0, 0});
        Drag(4, 30);
        Drag(5, 31); // one pixel in each direction is still a tap
        EXPECT_THAT(callback.Calls, IsEmpty()) << "No3D " << no3D;
        EXPECT_NE(GetCapture(), keyboard);
        Drag(6, 30); // two pixels is a drag
        EXPECT_THAT(callback.Calls, ElementsAre(ImInfoCall(SIPF_ON, Unclamped(6, 30, 115, 60))));
    }
}

TEST_F(MovingKeyboard, DroppedKeyboardStaysWhollyOnTheScreen) {
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    Drag(-300, 40); // left of the screen
    Drag(60, -140); // above row 26
    Drag(900, 40);  // past the right edge
    Drag(60, 700);  // past the bottom edge
    Drag(900, 700); // past both
    const RECT at = Unclamped(60, 40, 0, 0);
    const int right = screenWidth - 115;
    const int bottom = screenHeight - 60;
    EXPECT_THAT(callback.Calls,
                ElementsAre(ImInfoCall(SIPF_ON, {0, at.top, 115, at.top + 60}),
                            ImInfoCall(SIPF_ON, {at.left, 26, at.left + 115, 26 + 60}),
                            ImInfoCall(SIPF_ON, {right, at.top, screenWidth, at.top + 60}),
                            ImInfoCall(SIPF_ON, {at.left, bottom, at.left + 115, screenHeight}),
                            ImInfoCall(SIPF_ON, {right, bottom, screenWidth, screenHeight})));
}

TEST_F(MovingKeyboard, DoubleTapOnTheStripDocksWhateverTheLook) {
    for (int no3D : {0, 1}) {
        Start({1, no3D, 0, 0});
        Drag(60, 40);
        Send(WM_LBUTTONDOWN, 4, 30);
        Send(WM_LBUTTONUP, 4, 30);
        Send(WM_LBUTTONDBLCLK, 4, 30);
        Send(WM_LBUTTONUP, 4, 30);
        EXPECT_THAT(callback.Calls,
                    ElementsAre(ImInfoCall(SIPF_ON, Unclamped(60, 40, 115, 60)),
                                ImInfoCall(SIPF_ON | SIPF_DOCKED, {100, 150, 340, 230})))
            << "No3D " << no3D;
        EXPECT_EQ(VisibleBottom(), 480); // docked again, the visible desktop is left alone
    }
}

} // namespace
