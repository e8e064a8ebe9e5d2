// The handle strip at the keyboard's left edge: a drag floats the keyboard, a double tap docks it.
#pragma once

#include "imserver/KeyboardWindowState.h"

// Offered every mouse message before the keys. True when the strip takes it; it then also
// clears the key highlight.
bool HandleStripMouse(HWND window, KeyboardWindowState& state, UINT message, LPARAM lParam);
