// The floor window of the paint figures: it paints nothing but validates, so that what it costs
// is the paint cycle itself.
#pragma once

#include <windows.h>

inline LRESULT CALLBACK EmptyPaintWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_PAINT)
        return DefWindowProcW(window, message, wParam, lParam);
    PAINTSTRUCT paint;
    BeginPaint(window, &paint);
    EndPaint(window, &paint);
    return 0;
}
