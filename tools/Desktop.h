// What the end-to-end tests and the probe see of the desktop: notepad, the input panel and its
// keyboard, and where the keys of that keyboard are.
#pragma once

#include "foundation/Process.h"

#include <windows.h>

#include <functional>
#include <string>

HWND FindNotepad();
HWND FindNotepadEdit();
std::wstring ReadNotepadText();
HWND FindPanel();
HWND FindKeyboard();
// The keyboard has painted its handle strip: the panel has handled its first messages, the
// registration of its callback included, and taps now type.
bool KeyboardReady();

// Polls the condition until it holds or the time is up; true when it held.
bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs = 10000);

// A Unix path as Wine sees it, on drive Z:.
std::wstring WinePath(const std::string& unixPath);
// Starts a program with its current folder at the root of C:, where the device's paths lead.
StartedProcess StartProgram(std::wstring commandLine, DWORD creationFlags = 0);
// Runs a program to its end (half a minute at most) and returns its exit code.
DWORD RunProgram(const std::wstring& commandLine);

// The key grid that the settings file asks for, and the gap between keys of its flat or raised
// look: what a test works out the Standard keyboard's cells from, apart from the keyboard's own
// geometry.
struct KeyGrid {
    int columns;
    int rows;
    int margin;
};
KeyGrid CurrentGrid();

RECT ClientOnScreen(HWND window);
// Screen point at the centre of a key cell, and one just inside the top left of its face, away
// from the label, the frame and the corners: the keyboard's own geometry for the settings file
// and the keyboard window's size and DPI.
POINT KeyCentre(HWND keyboard, int row, int column);
POINT KeyFacePoint(HWND keyboard, int row, int column);

COLORREF ScreenPixel(POINT at);
