// Taps on the keys become key events for the application through the panel's IIMCallback.
#pragma once

#include "imserver/KeyboardWindowState.h"
#include "keyboard/KeyDef.h"

// The handler of WM_LBUTTONDOWN, WM_MOUSEMOVE, WM_LBUTTONUP and WM_LBUTTONDBLCLK; returns 0.
LRESULT HandleKeyMouse(HWND window, UINT message, LPARAM lParam);

// The handler of WM_CAPTURECHANGED and WM_CANCELMODE, which the input method also sends before
// it hides or removes the keyboard: the touch ends, and a held key is released. Returns 0.
LRESULT CancelTouch(HWND window, UINT message, LPARAM lParam);

// A new callback first has the held key released through the callback that had its press: the
// application that got the key-down gets its key-up.
void ChangeCallback(HWND window, KeyboardWindowState& state, IIMCallback* callback);

// Sends one press or one release of a key through the state's callback; nothing without one. A
// text key sends its whole text at the press and nothing at the release.
void SendKeyEvent(bool isPress, const KeyDef& key, IIMCallback* callback);

// Left Control + letter as four silent virtual-key events.
void SendCtrlShortcut(IIMCallback* callback, BYTE letter);

// Marks the cell of one key (both cells of a two-cell key) for repainting, without erasing.
void InvalidateKeyCell(HWND window, int column, int row, const KeyDef& key);
