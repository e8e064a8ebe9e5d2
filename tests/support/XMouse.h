// Real X pointer and key events through xdotool, the way a finger reaches the screen.
#pragma once

#include <windows.h>

#include <string>

void XClick(POINT at, int button = 1);
void XDoubleClick(POINT at);
void XDrag(POINT from, POINT to);
// Presses the left button at the point and lifts it there after the given time.
void XHold(POINT at, int milliseconds);
// Types the text on the X keyboard into the window that has the focus.
void XType(const std::string& text);
