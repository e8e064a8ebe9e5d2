// The window class of the keyboard window that the input method places in the input panel's
// window, by which the setup program finds running keyboards on the desktop.
#pragma once

inline constexpr wchar_t KeyboardWindowClass[] = L"PlinkerpadWndCls";
