// The keyboard window that the input method places in the input panel's window.
#pragma once

#include "foundation/WindowClasses.h"
#include "imserver/KeyboardHandOver.h"

#include <windows.h>

inline constexpr int KeyboardWindowId = 10;

bool RegisterKeyboardWindowClass();
void UnregisterKeyboardWindowClass();

// A visible child covering the panel's client area, told by the object's hand-over; null on
// failure.
HWND CreateKeyboardWindow(HWND panel, const KeyboardHandOver* handOver);

LRESULT CALLBACK KeyboardWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
