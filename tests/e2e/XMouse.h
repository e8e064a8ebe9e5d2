// Real X pointer events through xdotool, the way a finger reaches the screen.
#pragma once

#include <windows.h>

// Whether the xdotool program is installed where the distribution puts it.
bool XdotoolAvailable();
void XClick(POINT at, int button = 1);
void XDoubleClick(POINT at);
void XDrag(POINT from, POINT to);
