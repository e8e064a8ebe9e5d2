#include "setup/PlaceRect.h"

namespace {

constexpr int GridLeft = 7;
constexpr int GridRight = 99;
constexpr int GridMiddle = 53;
constexpr int IndentWidth = 8;

} // namespace

void PlaceRect(RECT& rect, int flags) {
    const int h = (flags & PLACE_TALL) ? 8 : 7;
    if (flags & PLACE_FIRST_ROW) {
        rect = {GridLeft, 7, GridRight, 7 + h};
    }
    if (flags & PLACE_FULL_WIDTH) {
        rect.left = GridLeft;
        rect.right = GridRight;
    }
    if (flags & PLACE_NEXT_ROW) {
        rect.top = rect.bottom;
        rect.bottom = rect.top + h;
    }
    if (flags & PLACE_LEFT_HALF) {
        rect.left = GridLeft;
        rect.right = GridMiddle;
    }
    if (flags & PLACE_RIGHT_HALF) {
        rect.left = GridMiddle;
        rect.right = GridRight;
    }
    if (flags & PLACE_WIDE_LEFT) {
        rect.left = GridLeft;
        rect.right = GridRight - h;
    }
    if (flags & PLACE_NARROW_RIGHT) {
        rect.left = GridRight - h;
        rect.right = GridRight;
    }
    if (flags & PLACE_HALF_GAP) {
        rect.top += h / 2;
        rect.bottom += h / 2;
    }
    if (flags & PLACE_INDENT) {
        rect.left += IndentWidth;
    }
}

void PlaceColumn(RECT& rect, int k, int n, int flags) {
    const int w = (GridRight - GridLeft) / n;
    PlaceRect(rect, flags);
    rect.left = (k - 1) * w + GridLeft;
    rect.right = k * w + GridLeft;
}
