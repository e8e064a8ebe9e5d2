#include "tests/support/GridOracle.h"

#include "keyboard/KeyboardTypes.h"

namespace {

constexpr int StripWidth = 9;

} // namespace

GridOracle::GridOracle(int keyboardType, int no3D, int width, int height)
    : Columns(KeyboardTypes[keyboardType].Columns), Rows(KeyboardTypes[keyboardType].Rows),
      Margin(no3D == 1 ? 0 : 2), KeyWidth((width - Margin - StripWidth) / Columns),
      KeyHeight((height - Margin) / Rows) {}

RECT GridOracle::Face(int column, int row) const {
    const int left = Margin + StripWidth + column * KeyWidth;
    const int top = Margin + row * KeyHeight;
    return {left, top, left + KeyWidth - Margin, top + KeyHeight - Margin};
}

POINT GridOracle::Centre(int column, int row) const {
    const RECT face = Face(column, row);
    return {(face.left + face.right + Margin) / 2, (face.top + face.bottom + Margin) / 2};
}
