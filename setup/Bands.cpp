#include "setup/Bands.h"

namespace {

RECT Moved(RECT rect, CWnd* window) {
    if (window) {
        window->MoveWindow(&rect, TRUE);
    }
    return rect;
}

void MoveTo(CWnd* window, int left, int top, int width, int height) {
    window->MoveWindow(left, top, width, height, TRUE);
}

// Shrinks by the margin on the sides that are set.
RECT Shrunk(RECT rect, int margin, bool left, bool top, bool right, bool bottom) {
    if (margin <= 0) {
        return rect;
    }
    rect.left += left ? margin : 0;
    rect.top += top ? margin : 0;
    rect.right -= right ? margin : 0;
    rect.bottom -= bottom ? margin : 0;
    return rect;
}

} // namespace

RECT CutTopBand(RECT rect, CWnd* window, int size, int margin) {
    if (size > 0) {
        rect.bottom = rect.top + size;
    } else if (size < 0) {
        rect.top -= size;
    }
    return Moved(Shrunk(rect, margin, true, true, true, size >= 0), window);
}

RECT CutBottomBand(RECT rect, CWnd* window, int size, int margin) {
    if (size > 0) {
        rect.top = rect.bottom - size;
    } else if (size < 0) {
        rect.bottom += size;
    }
    return Moved(Shrunk(rect, margin, true, true, true, size >= 0), window);
}

RECT CutRightBand(RECT rect, CWnd* window, int size, int margin) {
    if (size > 0) {
        rect.left = rect.right - size;
    } else if (size < 0) {
        rect.right += size;
    }
    return Moved(Shrunk(rect, margin, true, true, size >= 0, true), window);
}

RECT InsetBand(RECT rect, CWnd* window, int margin) {
    return Moved(Shrunk(rect, margin, true, true, true, true), window);
}

void AlignWindow(CWnd* window, RECT container, int flags, int offset) {
    RECT rect;
    window->GetWindowRect(&rect);
    // Window coordinates of a child are relative to its parent's client area.
    MapWindowPoints(nullptr, GetParent(window->m_hWnd), reinterpret_cast<POINT*>(&rect), 2);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (flags & ALIGN_TOP) {
        rect.top = offset;
    }
    if (flags & ALIGN_RIGHT) {
        rect.left = container.right - offset - width;
    }
    MoveTo(window, rect.left, rect.top, width, height);
}

void PlaceInRow(CWnd* window, RECT band, int k, int n, int gap) {
    const int w = (band.right - band.left - gap) / n - gap;
    const int left = k == n - 1 ? band.right - w - gap : band.left + gap + k * (w + gap);
    MoveTo(window, left, band.top + gap, w, band.bottom - band.top - 2 * gap);
}

void PlaceInColumn(CWnd* window, RECT band, int k, int n, int gap) {
    const int h = (band.bottom - band.top - gap) / n - gap;
    const int top = k == n - 1 ? band.bottom - h - gap : band.top + gap + k * (h + gap);
    MoveTo(window, band.left + gap, top, band.right - band.left - 2 * gap, h);
}

void PlaceAfterCells(CWnd* window, RECT band, int k, int cellWidth, int gap) {
    MoveTo(window, band.left + k * cellWidth + gap, band.top + gap,
           band.right - band.left - 2 * gap - k * cellWidth, band.bottom - band.top - 2 * gap);
}

void PlaceCellSpan(CWnd* window, RECT band, int first, int last, int cellWidth, int gap) {
    MoveTo(window, band.left + first * cellWidth + gap, band.top + gap,
           (last - first + 1) * cellWidth, band.bottom - band.top - 2 * gap);
}
