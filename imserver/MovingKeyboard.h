// The handle strip at the keyboard's left edge: a drag floats the keyboard, a double tap docks it,
// and a press held still opens the panel's menu. The panel's size follows the keyboard's.
#pragma once

#include "imserver/KeyboardWindowState.h"

// Offered every mouse message before the keys. True when the strip takes it.
bool HandleStripMouse(HWND window, DragState& drag, PanelState& panel, UINT message, LPARAM lParam);

// The strip's hold timer: a press held still that long opens the same menu as a right click on
// the keyboard, at the press. Returns 0.
LRESULT OpenMenuOfHeldStrip(HWND window);

// Asks the panel for the size of the keyboard the settings now give, when it differs from the
// size last asked: docked, the type's height at the bottom edge where the panel stands; floating,
// the floating size with the panel's top-left corner kept and the whole keyboard on the screen.
void FollowKeyboardSize(HWND window, const DragState& drag, PanelState& panel);
