// The keyboard window that the input method places in the input panel's window.
#pragma once

#include <windows.h>

inline constexpr wchar_t KeyboardWindowClass[] = L"PlinkerpadWndCls";

// Private message by which the input method object hands information to its window.
inline constexpr UINT WM_USER_SETSTATE = WM_USER + 100;
enum SetStateKind : WPARAM {
    SetStateCallback = 0,     // lParam: IIMCallback*
    SetStateImInfo = 1,       // lParam: IMINFO* to copy
    SetStateFollowParent = 2, // lParam: SIPINFO* (not read)
};

inline constexpr int KeyboardWindowId = 10;

bool RegisterKeyboardWindowClass();
void UnregisterKeyboardWindowClass();

// A visible child covering the panel's client area; null on failure.
HWND CreateKeyboardWindow(HWND panel);

// The WM_PAINT handler: reloads the settings if their file changed, recomputes the geometry and
// draws. Returns 0.
LRESULT PaintKeyboard(HWND window);

// Draws the pressed key at once, as a paint would, without the paint cycle: its round trips
// would compete with the key event on its way to the application.
void ShowPressedKey(HWND window);

LRESULT CALLBACK KeyboardWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
