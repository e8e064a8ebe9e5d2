// Fits the current keyboard into the window and maps points to keys. Pure arithmetic on the
// settings (KeyboardType, FloatingSizeType, No3D) and GetSettings().Metrics: no window, no DC.
#pragma once

#include <windows.h>

// Width of the handle strip at the left edge; the key grid starts KeyMargin + 9 from the left.
constexpr int HandleStripWidth = 9;

// The pages the page toggle steps through; the text page only while the user has texts.
enum KeyboardPage { FirstPage = 0, SecondPage = 1, TextPage = 2 };

// The page the page toggle turns to from `page`: the first page, the second page, then the text
// page while the user has texts, and back to the first page.
int NextPage(int page, bool hasTexts);

// The page shown for `page`: without texts the keyboard leaves the text page for its first page.
int ShownPage(int page, bool hasTexts);

// The keyboard type shown for the KeyboardType setting: one outside the records counts as 0.
int ShownKeyboardType(int keyboardType);

// Picks the layout (2 x shown type + page, or TextLayout for the text page) and stores the
// grid, key size, margin and requested panel size of the shown type in GetSettings().Metrics:
// the text page has its type's grid and size. floating != 0 asks for the floating keyboard's
// fixed key size (the rectangle is then unused). A docked window too small to give each column
// and row a pixel gets KeyWidth = KeyHeight = 0: it has no keys. Returns the layout index.
int ComputeGeometry(int left, int top, int right, int bottom, int floating, int page);

// The slot (row * Columns + column) of the key cell under the point, spans not resolved, or -1
// when the point lies outside the Columns x Rows cells. x and y are the low and high words of a
// mouse message's point (unsigned, so points left of or above the window come in huge).
int KeyAt(int x, int y);

// Where the key of one cell is drawn and which slot's record is drawn there.
struct KeyFace {
    RECT Rect;
    int Slot; // -1: nothing to draw for this cell
};

// The face of the cell at row, column (from 0) of the layout, with two-cell keys resolved so
// both cells give the same rectangle and slot. Slot -1 for a cell outside the grid or a span
// that would resolve before the layout's first slot.
KeyFace KeyFaceRect(int row, int column, int layout);
