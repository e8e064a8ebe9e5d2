// Where the keys of a docked keyboard should be, worked out afresh from the keyboard-type
// records: tests compare the keyboard's pixels, taps and metrics with these rectangles.
#pragma once

#include <windows.h>

struct GridOracle {
    // The grid of a keyboard type in a window of that client size, flat when no3D is 1.
    GridOracle(int keyboardType, int no3D, int width, int height);

    // The face of the single-cell key at column, row, as drawn with a shadow (flat keys are
    // drawn one pixel wider and taller); and a point well inside its cell.
    RECT Face(int column, int row) const;
    POINT Centre(int column, int row) const;

    int Columns;
    int Rows;
    int Margin;
    int KeyWidth;
    int KeyHeight;
};
