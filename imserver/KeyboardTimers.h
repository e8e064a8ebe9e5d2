// The keyboard window's timers: a held key's repeat, the pressed key's drawing, and the strip's
// hold. The window sends each tick to the handler its table names.
#pragma once

#include <windows.h>

enum KeyboardTimer : UINT_PTR { KeyRepeatTimer = 1, PressedKeyTimer = 2, StripHoldTimer = 3 };
