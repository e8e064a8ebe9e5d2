// The input panel's states as the input method writes them into SipState and IMINFO, and the
// platform bar that a floating keyboard keeps clear of.
#pragma once

#include "keyboard/Geometry.h"
#include "platform/sip/sip.h"

constexpr DWORD ShownFloating = SIPF_ON;
constexpr DWORD ShownDocked = SIPF_ON | SIPF_DOCKED;

// Height of the platform's bar at the top of the screen: a floating keyboard never rises above
// it, and the visible desktop loses as much at the bottom while the keyboard floats.
// Given at 96 DPI; a screen of another DPI has it in proportion.
constexpr int PlatformBarHeight = 26;
inline int PlatformBarHeightAt(int dpi) {
    return MulDiv(PlatformBarHeight, dpi, StandardDpi);
}
