// Where the input panel stands on the screen, and what it tells the input method about it.
#pragma once

#include "platform/sip/sip.h"

// Height of the docked panel when the input method asks for none it can have.
inline constexpr int DefaultPanelHeight = 80;

// Height of the docked panel for the rectangle that the input method asked for: its height,
// or the default when that is empty or taller than the screen.
int DockedPanelHeight(const RECT& requested, SIZE screen);

// The docked place: the bottom of the screen, full width.
RECT DockedPanelRect(SIZE screen, int height);

// A floating rectangle moved, keeping its size, so that it lies on the screen as far as it fits:
// a keyboard dropped past an edge stays reachable.
RECT KeepOnScreen(const RECT& rect, SIZE screen);

// The information for ReceiveSipInfo: the panel is showing; a docked panel covers the bottom of
// the desktop, a floating one leaves the desktop whole.
SIPINFO SipInfoFor(const RECT& panel, SIZE screen, bool docked);
