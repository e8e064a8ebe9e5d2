// The window classes by which programs find each other on the desktop: the input panel's window
// and the keyboard window that the input method places in it.
#pragma once

inline constexpr wchar_t PanelWindowClass[] = L"SipWndClass";
inline constexpr wchar_t KeyboardWindowClass[] = L"PlinkerpadWndCls";
