// The dialog grid: rectangles in dialog units with left margin 7, right edge 99, rows 7 high.
#pragma once

#include <windows.h>

enum PlaceFlags {
    PLACE_FIRST_ROW = 0x001,
    PLACE_FULL_WIDTH = 0x002,
    PLACE_NEXT_ROW = 0x004,
    PLACE_LEFT_HALF = 0x008,
    PLACE_RIGHT_HALF = 0x010,
    PLACE_WIDE_LEFT = 0x020,
    PLACE_NARROW_RIGHT = 0x040,
    PLACE_HALF_GAP = 0x080,
    PLACE_INDENT = 0x100,
    PLACE_TALL = 0x200, // rows 8 high instead of 7
};

// Applies the flags in the order of their values.
void PlaceRect(RECT& rect, int flags);

// PlaceRect, then narrows the rectangle to column k (from 1) of n across the grid.
void PlaceColumn(RECT& rect, int k, int n, int flags);
