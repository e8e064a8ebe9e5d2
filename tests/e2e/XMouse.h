// Real X pointer events through xdotool, the way a finger reaches the screen. Wine starts Unix
// programs but cannot wait for them, so each command leaves its exit status in a file.
#pragma once

#include <windows.h>

#include <string>

// Runs a shell command line and returns its exit status; -1 when it did not finish in time.
int RunUnix(const std::string& command);

// Whether the xdotool program is installed (it is looked for where the distribution puts it).
bool XdotoolAvailable();
void XClick(POINT at, int button = 1);
void XDoubleClick(POINT at);
void XDrag(POINT from, POINT to);
