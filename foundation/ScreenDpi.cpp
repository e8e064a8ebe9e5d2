#include "foundation/ScreenDpi.h"

#include "foundation/OwnedHandle.h"

namespace {

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);

// Looked up once: systems before per-monitor DPI do not have it.
GetDpiForWindowFunction SystemGetDpiForWindow() {
    static const GetDpiForWindowFunction function =
        reinterpret_cast<GetDpiForWindowFunction>(reinterpret_cast<void*>(
            GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    return function;
}

int ScreenDpi() {
    const WindowDc screen(nullptr);
    return GetDeviceCaps(screen.DC(), LOGPIXELSY);
}

} // namespace

int WindowDpi(HWND window) {
    const GetDpiForWindowFunction getDpi = SystemGetDpiForWindow();
    const int dpi = window != nullptr && getDpi != nullptr ? static_cast<int>(getDpi(window)) : 0;
    return dpi > 0 ? dpi : ScreenDpi();
}
