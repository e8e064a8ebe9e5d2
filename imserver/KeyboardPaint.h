// The keyboard window's painting: the paint cycle, and the pressed key drawn a moment after its
// press.
#pragma once

#include <windows.h>

// The WM_PAINT handler: reloads the settings if their file changed, asks the panel for the size
// of a keyboard that changed its size, recomputes the geometry and draws. When what is drawn
// changed (the settings' look, the layout, the window's size), the whole window is drawn anew,
// whatever part of it the system asked for. Returns 0.
LRESULT PaintKeyboard(HWND window);

// The press reaches the application first: the pressed key is drawn a moment later (the
// shortest timer, less than a frame of the screen), when its drawing no longer competes with the
// key event for the window server, and as a paint would draw it, without the paint cycle.
void ShowPressedKeySoon(HWND window);
// The pressed key's drawing is not wanted any more: it was lifted, or the touch ended.
void CancelPressedKeyShow(HWND window);
// The pressed key's timer: draws the key still shown pressed, at once. Returns 0.
LRESULT ShowPressedKey(HWND window);
