// The DPI of the screen a keyboard window is on, which every size of the keyboard follows.
#pragma once

#include <windows.h>

// GetDpiForWindow of the window where the system has it, else the screen's LOGPIXELSY; the
// screen's for no window.
int WindowDpi(HWND window);
