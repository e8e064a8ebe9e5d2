// What the input method object hands its keyboard window, and the private message that tells the
// window of it.
#pragma once

#include "platform/sip/sip.h"

// Private message by which the input method object hands information to its window. Any
// process can send or post it, so the window never reads through its lParam: it takes the
// information from its object's hand-over, and only when lParam names what the hand-over holds.
inline constexpr UINT WM_USER_SETSTATE = WM_USER + 100;
enum SetStateKind : WPARAM {
    SetStateCallback = 0,     // lParam: the hand-over's callback
    SetStateImInfo = 1,       // lParam: the address of the hand-over's IMINFO
    SetStateFollowParent = 2, // lParam: SIPINFO* (not read)
};

// What the input method object sets before it tells its window with WM_USER_SETSTATE; it lives
// as long as the object, and so longer than the window.
struct KeyboardHandOver {
    IIMCallback* callback; // the host's latest, not reference-counted
    IMINFO imInfo;         // as GetInfo last reported it
};
