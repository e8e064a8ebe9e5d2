// The input panel's delivery of the input method's key events: each event becomes keyboard
// input for the application that has the focus.
#pragma once

#include <windows.h>

#include <vector>

// Key-state flag of SendCharEvents: set while the key is down, clear at its release.
inline constexpr UINT KeyStateDownFlag = 0x0080;
// Flag of SendVirtualKey: the key goes up.
inline constexpr DWORD KeyUpFlag = 0x0002;

// What a character typed now depends on: the keyboard layout of the application with the focus,
// and what the user holds or has locked on the real keyboard.
struct KeyContext {
    HKL layout;
    bool shiftHeld;
    bool capsLockOn;
};

// The context at this moment.
KeyContext CurrentKeyContext();

// One SendCharEvents call as input events. A character that the layout has a key for, alone or
// with Shift, travels as that key, by virtual key and scan code, as a real keyboard sends it:
// consoles, remote sessions and games read keys, not Unicode events. Shift is pressed and
// released around the key's press where the character needs it and the user does not hold it.
// Other characters (a key only with Control or Alt, none at all, one that the user's Shift or
// Caps Lock would change) travel as Unicode key events, which arrive exactly. Backspace, Tab,
// Return and Escape travel as their own keys. Without characters, uVk is a virtual key
// (navigation, Delete). A press gives key-down events, a release key-up events. Empty when
// characters are announced but none are given.
std::vector<INPUT> CharEventInputs(UINT uVk, UINT uKeyFlags, UINT uChars, const UINT* puChars,
                                   const KeyContext& context);

// One SendVirtualKey call as an input event: down, or up with KeyUpFlag.
INPUT VirtualKeyInput(BYTE bVk, DWORD dwFlags);

// A string as a press and a release of each of its characters, each sent as CharEventInputs
// sends it (a surrogate pair is one keystroke of two Unicode events).
std::vector<INPUT> StringInputs(const wchar_t* text, DWORD count, const KeyContext& context);
