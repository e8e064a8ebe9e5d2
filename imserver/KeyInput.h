// Taps on the keys become key events for the application through the panel's IIMCallback: the
// touch on the keys, the held key and its repeat.
#pragma once

#include "imserver/KeyboardWindowState.h"

// The handler of WM_LBUTTONDOWN, WM_MOUSEMOVE, WM_LBUTTONUP and WM_LBUTTONDBLCLK; returns 0.
LRESULT HandleKeyMouse(HWND window, UINT message, LPARAM lParam);

// The handler of WM_CAPTURECHANGED and WM_CANCELMODE, which the input method also sends before
// it hides or removes the keyboard: the touch ends, and a held key is released. Returns 0.
LRESULT CancelTouch(HWND window, UINT message, LPARAM lParam);

// A new callback first has the held key released through the callback that had its press: the
// application that got the key-down gets its key-up.
void ChangeCallback(HWND window, KeyboardWindowState& state, IIMCallback* callback);

// The repeat timer: sends the press of the held key again when its repeat says so; the key is
// shown pressed already. Returns 0.
LRESULT RepeatHeldKey(HWND window);
