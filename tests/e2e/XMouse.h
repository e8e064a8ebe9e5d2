// Real X pointer events through xdotool, the way a finger reaches the screen.
#pragma once

#include <windows.h>

void XClick(POINT at, int button = 1);
void XDoubleClick(POINT at);
void XDrag(POINT from, POINT to);
