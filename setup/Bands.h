// Band operations: cut bands off pixel rectangles and place windows in cells of a band. Each one
// that is given a window moves it to the computed place with repainting; none means no window.
#pragma once

#include "platform/mfc/afxwin.h"

// size > 0: the band of that height at the top; size < 0: what lies below a top band of -size.
// margin > 0 shrinks the result on all four sides (size >= 0) or left, top and right (size < 0).
RECT CutTopBand(RECT rect, CWnd* window, int size, int margin);
// The same at the bottom (size < 0: what lies above a bottom band of -size).
RECT CutBottomBand(RECT rect, CWnd* window, int size, int margin);
// The same at the right, with widths; size < 0 shrinks left, top and bottom.
RECT CutRightBand(RECT rect, CWnd* window, int size, int margin);
RECT InsetBand(RECT rect, CWnd* window, int margin);

enum AlignFlags {
    ALIGN_TOP = 1,   // top at the offset
    ALIGN_RIGHT = 2, // right edge the offset left of the container's right edge
};
// Keeps the window's size and moves the coordinates the flags name.
void AlignWindow(CWnd* window, RECT container, int flags, int offset);

// Cell k (from 0) of n equal cells across the band; the last cell sits at the band's right end.
void PlaceInRow(CWnd* window, RECT band, int k, int n, int gap);
// Cell k (from 0) of n equal cells down the band; the last cell sits at the band's bottom.
void PlaceInColumn(CWnd* window, RECT band, int k, int n, int gap);
// Everything right of k cells of width cellWidth.
void PlaceAfterCells(CWnd* window, RECT band, int k, int cellWidth, int gap);
// Cells first to last (from 0) of width cellWidth.
void PlaceCellSpan(CWnd* window, RECT band, int first, int last, int cellWidth, int gap);
