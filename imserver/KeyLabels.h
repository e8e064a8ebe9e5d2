// The labels of the keys: today's font (the device context's own) on the Standard keyboard at
// 96 DPI and wherever nothing larger fits, the platform's dialog face, bold, in the sizes between.
#pragma once

#include <windows.h>

#include <string>

// Labels and pictures larger than today's keep clear of the frame by a pixel.
constexpr int ContentInset = 2;

// A key's label centred in its face, in the largest font in which it fits, down to today's: a
// digit at least 40% of the key high, a sign larger still.
void DrawLabel(HDC dc, const std::wstring& label, const RECT& face);

// A user's text in the largest font in which it fits inside its key, on one line or on two broken
// at a space, down to today's font; in today's font with an ellipsis when even that does not fit.
void DrawTextLabel(HDC dc, const std::wstring& text, const RECT& face);
