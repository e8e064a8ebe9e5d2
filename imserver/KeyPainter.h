// Draws the keyboard: the grey handle strip and the keys of a layout, in the current settings'
// colour scheme and look.
#pragma once

#include "keyboard/KeyDef.h"

#include <windows.h>
#include <commctrl.h>

// One key into the rectangle, in the current settings' colours and look; the pressed look is
// black with its label or picture in white. The flat look widens the rectangle by one pixel to
// the right and downward.
void DrawKey(const KeyDef& key, HDC dc, RECT rect, HIMAGELIST images, bool pressed);

// The keyboard into any device context with the metrics of the last geometry: with no key
// pressed (pressedKey 0) the strip and every key, otherwise only the pressed key.
void DrawKeyboard(HDC dc, const RECT& client, int layout, int pressedKey);
