// Real X pointer and key events through xdotool, the way a finger reaches the screen.
#pragma once

#include <windows.h>

#include <string>

void XClick(POINT at, int button = 1);
void XDoubleClick(POINT at);
// Presses at one point, moves to the other and rests there longer than a hold takes before it
// lifts.
void XDrag(POINT from, POINT to);
// Presses the left button at the point and lifts it there after the given time.
void XHold(POINT at, int milliseconds);
// The two halves of a hold: the press at the point, and the lift wherever the pointer is.
void XPress(POINT at);
void XLift();
// Types the text on the X keyboard into the window that has the focus.
void XType(const std::string& text);
// Presses and releases an X key by its name ("Return", "Escape").
void XKey(const std::string& name);
