// The keyboard window that the input method places in the input panel's window.
#pragma once

#include "foundation/WindowClasses.h"
#include "platform/sip/sip.h"

#include <windows.h>

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

inline constexpr int KeyboardWindowId = 10;

bool RegisterKeyboardWindowClass();
void UnregisterKeyboardWindowClass();

// A visible child covering the panel's client area, told by the object's hand-over; null on
// failure.
HWND CreateKeyboardWindow(HWND panel, const KeyboardHandOver* handOver);

// The WM_PAINT handler: reloads the settings if their file changed, asks the panel for the size
// of a keyboard that changed its size, recomputes the geometry and draws. When what is drawn
// changed (the settings' look, the layout, the window's size), the whole window is drawn anew,
// whatever part of it the system asked for. Returns 0.
LRESULT PaintKeyboard(HWND window);

// The window's timers: a held key's repeat, the pressed key's drawing, and the strip's hold.
enum KeyboardTimer : UINT_PTR { KeyRepeatTimer = 1, PressedKeyTimer = 2, StripHoldTimer = 3 };

// The press reaches the application first: the pressed key is drawn a moment later (the
// shortest timer, less than a frame of the screen), when its drawing no longer competes with the
// key event for the window server, and as a paint would draw it, without the paint cycle.
void ShowPressedKeySoon(HWND window);
// The pressed key's drawing is not wanted any more: it was lifted, or the touch ended.
void CancelPressedKeyShow(HWND window);

LRESULT CALLBACK KeyboardWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
