// Taps on the keys become key events for the application through the panel's IIMCallback.
#pragma once

#include "keyboard/KeyDef.h"
#include "keyboard/KeyboardWindowState.h"

// 0: primary page, 1: alternate page; shared by every keyboard window, never stored.
extern int AlternatePage;

// The layout index of the latest geometry; -1 until any geometry has been computed.
extern int CurrentLayout;

// Computes the geometry for the window's client rectangle (floating while the strip is held,
// on the current page) and makes its layout the current one.
int UpdateWindowGeometry(HWND window, const KeyboardWindowState& state);

// The handler of WM_LBUTTONDOWN, WM_MOUSEMOVE, WM_LBUTTONUP and WM_LBUTTONDBLCLK; returns 0.
LRESULT HandleKeyMouse(HWND window, UINT message, LPARAM lParam);

// Sends one press or one release of a key through the state's callback; nothing without one.
void SendKeyEvent(bool isPress, const KeyDef& key, IIMCallback* callback);

// Left Control + letter as four silent virtual-key events.
void SendCtrlShortcut(IIMCallback* callback, BYTE letter);

// Marks the cell of one key (both cells of a two-cell key) for repainting, without erasing.
void InvalidateKeyCell(HWND window, int column, int row, const KeyDef& key);
