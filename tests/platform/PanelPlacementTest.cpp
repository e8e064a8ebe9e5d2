#include "platform/PanelPlacement.h"

#include <gtest/gtest.h>

namespace {

constexpr SIZE Screen{240, 320};

void ExpectRect(const RECT& rect, LONG left, LONG top, LONG right, LONG bottom) {
    EXPECT_EQ(rect.left, left);
    EXPECT_EQ(rect.top, top);
    EXPECT_EQ(rect.right, right);
    EXPECT_EQ(rect.bottom, bottom);
}

TEST(PanelPlacement, DockedHeightIsTheRequestedOneWhenTheScreenHasIt) {
    EXPECT_EQ(DockedPanelHeight(RECT{0, 0, 130, 69}, Screen), 69);
    EXPECT_EQ(DockedPanelHeight(RECT{0, 10, 130, 22}, Screen), 12);
    EXPECT_EQ(DockedPanelHeight(RECT{0, 0, 0, 0}, Screen), DefaultPanelHeight);
    EXPECT_EQ(DockedPanelHeight(RECT{0, 50, 130, 20}, Screen), DefaultPanelHeight);
    EXPECT_EQ(DockedPanelHeight(RECT{0, 0, 130, 321}, Screen), DefaultPanelHeight);
    EXPECT_EQ(DockedPanelHeight(RECT{0, 0, 0, 0}, SIZE{240, 50}), 50);
}

TEST(PanelPlacement, DockedPanelFillsTheBottomOfTheScreen) {
    ExpectRect(DockedPanelRect(Screen, 69), 0, 251, 240, 320);
}

TEST(PanelPlacement, FloatingPanelStaysOnTheScreen) {
    ExpectRect(KeepOnScreen(RECT{10, 26, 125, 86}, Screen), 10, 26, 125, 86);
    ExpectRect(KeepOnScreen(RECT{200, 300, 315, 360}, Screen), 125, 260, 240, 320);
    ExpectRect(KeepOnScreen(RECT{-5, -7, 110, 53}, Screen), 0, 0, 115, 60);
    ExpectRect(KeepOnScreen(RECT{30, 30, 330, 90}, Screen), 0, 30, 300, 90);
}

TEST(PanelPlacement, SipInfoTellsWhereThePanelIsAndWhatItLeavesOfTheDesktop) {
    const SIPINFO docked = SipInfoFor(RECT{0, 251, 240, 320}, Screen, true);
    EXPECT_EQ(docked.cbSize, sizeof(SIPINFO));
    EXPECT_EQ(docked.fdwFlags, static_cast<DWORD>(SIPF_ON | SIPF_DOCKED));
    ExpectRect(docked.rcVisibleDesktop, 0, 0, 240, 251);
    ExpectRect(docked.rcSipRect, 0, 251, 240, 320);
    EXPECT_EQ(docked.dwImDataSize, 0u);
    EXPECT_EQ(docked.pvImData, nullptr);

    const SIPINFO floating = SipInfoFor(RECT{20, 40, 135, 100}, Screen, false);
    EXPECT_EQ(floating.fdwFlags, static_cast<DWORD>(SIPF_ON));
    ExpectRect(floating.rcVisibleDesktop, 0, 0, 240, 320);
    ExpectRect(floating.rcSipRect, 20, 40, 135, 100);
}

} // namespace
