#include "setup/RunningKeyboards.h"

#include "foundation/WindowClasses.h"

#include <windows.h>

namespace {

// A keyboard window is a child of the input panel's window, a top-level window.
BOOL CALLBACK RepaintKeyboardsOfPanel(HWND window, LPARAM) {
    for (HWND keyboard = FindWindowExW(window, nullptr, KeyboardWindowClass, nullptr);
         keyboard != nullptr;
         keyboard = FindWindowExW(window, keyboard, KeyboardWindowClass, nullptr))
        RedrawWindow(keyboard, nullptr, nullptr, RDW_INVALIDATE);
    return TRUE;
}

} // namespace

void RepaintRunningKeyboards() {
    EnumWindows(RepaintKeyboardsOfPanel, 0);
}
