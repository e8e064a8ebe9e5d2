#include "setup/RunningKeyboards.h"

#include "foundation/WindowClasses.h"

#include <windows.h>

namespace {

BOOL CALLBACK RepaintKeyboardsOfPanel(HWND window, LPARAM) {
    wchar_t className[32] = {};
    GetClassNameW(window, className, 32);
    if (lstrcmpW(className, PanelWindowClass) != 0)
        return TRUE;
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
