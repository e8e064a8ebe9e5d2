// The input panel's delivery of the input method's key events: each event becomes keyboard
// input for the application that has the focus.
#pragma once

#include <windows.h>

#include <vector>

// Key-state flag of SendCharEvents: set while the key is down, clear at its release.
inline constexpr UINT KeyStateDownFlag = 0x0080;
// Flag of SendVirtualKey: the key goes up.
inline constexpr DWORD KeyUpFlag = 0x0002;

// One SendCharEvents call as input events. With characters, each character travels as a
// Unicode key event, so any character arrives exactly, except Backspace, Tab, Return and Escape,
// which travel as their own keys so that they act; without characters, uVk is a virtual key
// (navigation, Delete). A press gives key-down events, a release key-up events. Empty when
// characters are announced but none are given.
std::vector<INPUT> CharEventInputs(UINT uVk, UINT uKeyFlags, UINT uChars, const UINT* puChars);

// One SendVirtualKey call as an input event: down, or up with KeyUpFlag.
INPUT VirtualKeyInput(BYTE bVk, DWORD dwFlags);

// A string as a press and a release of each of its characters (a surrogate pair is one).
std::vector<INPUT> StringInputs(const wchar_t* text, DWORD count);
