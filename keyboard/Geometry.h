// Fits the current keyboard into the window and maps points to keys. Pure arithmetic on the
// settings (KeyboardType, FloatingSizeType, No3D, KeySize) and GetSettings().Metrics: no window, no
// DC.
#pragma once

#include "keyboard/KeyDef.h"

#include <windows.h>

// Width of the handle strip at the left edge of the Standard keyboard at 96 DPI; the key grid
// starts KeyMargin right of the strip (Metrics.StripWidth, which follows the scale).
constexpr int HandleStripWidth = 9;

// The screen DPI at which the Standard keyboard has its own sizes.
constexpr int StandardDpi = 96;

// Metrics.Scale of the Standard keyboard at 96 DPI, its own sizes. The KeySize setting (0
// Standard, 1 Large, 2 Extra large, any other Standard) makes it 1, 1.5 or 2 times as large, and
// the screen's DPI in proportion to 96.
constexpr int StandardScale = 2 * StandardDpi;

// A size of the Standard keyboard at 96 DPI in the scale of the last geometry, rounded.
int ScaledSize(int standardPixels);

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
// fixed key size (the rectangle is then unused). The requested sizes, the floating keys and the
// strip follow the KeySize setting and the window's screen DPI. A docked window too small to give
// each column and row a pixel gets KeyWidth = KeyHeight = 0: it has no keys. Returns the layout.
int ComputeGeometry(int left, int top, int right, int bottom, int floating, int page, int dpi);

// The slot (row * Columns + column) of the key cell under the point, spans not resolved, or -1
// when the point lies outside the Columns x Rows cells. x and y are the low and high words of a
// mouse message's point (unsigned, so points left of or above the window come in huge).
int KeyAt(int x, int y);

// The cells of the key at row, column: its grid cell (KeyWidth x KeyHeight, the first one
// KeyMargin right of the strip and KeyMargin down), with its partner's when the key is one cell of
// a two-cell key. What a press or release of the key repaints.
RECT KeyCellsRect(int row, int column, const KeyDef& key);

// Where the key of one cell is drawn and which slot's record is drawn there.
struct KeyFace {
    RECT Rect;
    int Slot; // -1: nothing to draw for this cell
};

// The face of the cell at row, column (from 0) of the layout, with two-cell keys resolved so
// both cells give the same rectangle and slot. Slot -1 for a cell outside the grid or a span
// that would resolve before the layout's first slot. The text page's cells without a text are
// blank keys: drawn with the keyboard's face, never tapped.
KeyFace KeyFaceRect(int row, int column, int layout);
