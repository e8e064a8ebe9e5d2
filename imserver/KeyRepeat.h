// A held editing key repeats its press at the system's keyboard delay and rate, through a window
// timer that runs only while such a key is held.
#pragma once

#include "imserver/KeyboardWindowState.h"

// Starts repeating the held key, whose press was just sent, at the system's delay and rate of
// this moment.
void StartKeyRepeat(HWND window, KeyboardWindowState& state);

// Ends the repeat, if one runs. The held key's release is the caller's to send.
void StopKeyRepeat(HWND window, KeyboardWindowState& state);

// The WM_TIMER handler: sends the press of the held key again. Returns 0.
LRESULT RepeatHeldKey(HWND window, WPARAM timer);
