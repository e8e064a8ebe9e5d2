// The keyboard as Microsoft Active Accessibility shows it to screen readers, switch access and UI
// test tools: the window's client object, whose children are the keys of the page shown in
// reading order and then the handle strip.
#pragma once

#include <windows.h>

// The WM_GETOBJECT handler: the window's own object for OBJID_CLIENT (made at the first question
// and kept with the window), the platform's answer for any other object.
LRESULT AnswerGetObject(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The window is going: its object answers every later call as disconnected, and no other process
// keeps it alive.
void DisconnectKeyboardAccessible(HWND window);

// The key in a slot of the current layout was shown pressed or released.
void NotifyKeyStateChanged(HWND window, int slot);

// The layout just computed for the window: readers hear when its keys differ from those shown
// before (another page or keyboard type, other texts).
void NotifyKeysShown(HWND window, int layout);
