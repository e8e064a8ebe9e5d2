// The handle strip floats the keyboard with a drag and docks it with a double tap.
#include "tests/imserver/SelectedKeyboard.h"

#include <gmock/gmock.h>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

// The keyboard window's client origin on the screen: the panel's corner inside the border.
constexpr int OriginX = 101;
constexpr int OriginY = 151;

} // namespace

class MovingKeyboard : public SelectedKeyboard {
protected:
    // Press on the strip at (4, 30), lift at the client point (x, y).
    void Drag(int x, int y) {
        Send(WM_LBUTTONDOWN, 4, 30);
        Send(WM_MOUSEMOVE, (4 + x) / 2, (30 + y) / 2);
        Send(WM_LBUTTONUP, x, y);
    }
    // Where a drop at client (x, y) puts the floating keyboard, before any clamp.
    static RECT Unclamped(int x, int y, int width, int height) {
        const int left = OriginX + x - 4;
        const int top = OriginY + y - 30;
        return {left, top, left + width, top + height};
    }
    SIPINFO VisibleDesktopAfterSipInfo() {
        SIPINFO sip = {};
        sip.cbSize = sizeof(sip);
        sip.rcVisibleDesktop = {0, 0, 640, 480};
        method->ReceiveSipInfo(&sip);
        return sip;
    }
};

TEST_F(MovingKeyboard, DragFloatsTheSmallKeyboardWhereItIsDropped) {
    Drag(60, 40);
    EXPECT_THAT(callback.Calls, ElementsAre(ImInfoCall(SIPF_ON, Unclamped(60, 40, 115, 60))));
    EXPECT_NE(GetCapture(), keyboard);
    // Floating and showing, the panel's visible desktop loses the bottom 26 rows.
    EXPECT_EQ(VisibleDesktopAfterSipInfo().rcVisibleDesktop.bottom, 480 - 26);
}

TEST_F(MovingKeyboard, OnlyTheNumericKeyboardHasFloatingSizes) {
    Start({1, 0, 1, 2}); // "Extended": 20-pixel keys whatever the size setting
    Drag(60, 40);
    EXPECT_THAT(callback.Calls, ElementsAre(ImInfoCall(SIPF_ON, Unclamped(60, 40, 115, 80))));
}

TEST_F(MovingKeyboard, LargeNumericKeyboard) {
    Start({1, 0, 0, 2});
    Drag(60, 40);
    EXPECT_THAT(callback.Calls, ElementsAre(ImInfoCall(SIPF_ON, Unclamped(60, 40, 175, 96))));
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
    const int top = Unclamped(60, 40, 0, 0).top;
    const int left = Unclamped(60, 40, 0, 0).left;
    const int right = screenWidth - 115;
    const int bottom = screenHeight - 60;
    EXPECT_THAT(callback.Calls,
                ElementsAre(ImInfoCall(SIPF_ON, {0, top, 115, top + 60}),
                            ImInfoCall(SIPF_ON, {left, 26, left + 115, 26 + 60}),
                            ImInfoCall(SIPF_ON, {right, top, screenWidth, top + 60}),
                            ImInfoCall(SIPF_ON, {left, bottom, left + 115, screenHeight}),
                            ImInfoCall(SIPF_ON, {right, bottom, screenWidth, screenHeight})));
}

TEST_F(MovingKeyboard, DoubleTapOnTheStripDocksWhateverTheLook) {
    const RECT docked = {100, 150, 340, 230};
    for (int no3D : {0, 1}) {
        Start({1, no3D, 0, 0});
        Drag(60, 40);
        Send(WM_LBUTTONDOWN, 4, 30);
        Send(WM_LBUTTONUP, 4, 30);
        Send(WM_LBUTTONDBLCLK, 4, 30);
        Send(WM_LBUTTONUP, 4, 30);
        EXPECT_THAT(callback.Calls, ElementsAre(ImInfoCall(SIPF_ON, Unclamped(60, 40, 115, 60)),
                                                ImInfoCall(SIPF_ON | SIPF_DOCKED, docked)))
            << "No3D " << no3D;
        // Docked again, the visible desktop is left alone.
        EXPECT_EQ(VisibleDesktopAfterSipInfo().rcVisibleDesktop.bottom, 480);
    }
}

TEST_F(MovingKeyboard, LiftOverTheStripWithoutGrabIsAKeyRelease) {
    const POINT seven = CellCentre(1, 0);
    Send(WM_LBUTTONDOWN, seven.x, seven.y);
    Send(WM_MOUSEMOVE, 4, 30);
    Send(WM_LBUTTONUP, 4, 30);
    EXPECT_THAT(callback.Calls, ElementsAre(PressOf('7', '7'), ReleaseOf('7', '7')));
}
