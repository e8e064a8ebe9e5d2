// The fonts of the key labels: today's font (the device context's own) on the Standard keyboard
// at 96 DPI and wherever nothing larger fits, the platform's dialog face in the sizes between.
#pragma once

#include <windows.h>

// Character height (the em, without internal leading) of the device context's own font.
int DefaultFontHeight(HDC dc);

// The dialog face, bold, with characters `height` pixels high, made at its first use and kept with
// the module; null when it cannot be made: the label then keeps the device context's font.
HFONT DialogFont(int height);
