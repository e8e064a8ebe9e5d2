#include "keyboard/Geometry.h"

#include "foundation/Settings.h"
#include "keyboard/KeyLayouts.h"

namespace {

// Docked panel width requested per key column.
constexpr int DockedColumnWidth = 23;
// The panel is wider than the keys by the handle strip and a little room.
constexpr int PanelExtraWidth = 15;

// Square key size of the floating keyboard by FloatingSizeType: 0, 1, anything else.
int FloatingKeySize(const KeyboardType& type, int floatingSizeType) {
    const int size = floatingSizeType == 0 || floatingSizeType == 1 ? floatingSizeType : 2;
    return type.FloatingKeySizes[size];
}

void SetFloatingMetrics(KeyboardMetrics& metrics, int keySize) {
    metrics.KeyWidth = keySize;
    metrics.KeyHeight = keySize;
    metrics.PanelWidth = metrics.Columns * keySize + PanelExtraWidth;
    metrics.PanelHeight = metrics.Rows * keySize;
}

void SetDockedMetrics(KeyboardMetrics& metrics, const KeyboardType& type, int width, int height) {
    metrics.KeyWidth = (width - metrics.KeyMargin - HandleStripWidth) / metrics.Columns;
    metrics.KeyHeight = (height - metrics.KeyMargin) / metrics.Rows;
    if (metrics.KeyWidth < 1 || metrics.KeyHeight < 1) {
        // Not a pixel per column and row: no keys at all.
        metrics.KeyWidth = 0;
        metrics.KeyHeight = 0;
    }
    metrics.PanelWidth = metrics.Columns * DockedColumnWidth + PanelExtraWidth;
    metrics.PanelHeight = metrics.Rows * type.DockedRowHeight;
}

bool HasKeys(const KeyboardMetrics& metrics) {
    return metrics.KeyWidth > 0 && metrics.KeyHeight > 0 && metrics.Columns > 0 && metrics.Rows > 0;
}

RECT CellRect(const KeyboardMetrics& metrics, int row, int column) {
    RECT rect;
    rect.left = metrics.KeyMargin + HandleStripWidth + column * metrics.KeyWidth;
    rect.top = metrics.KeyMargin + row * metrics.KeyHeight;
    rect.right = rect.left + metrics.KeyWidth - metrics.KeyMargin;
    rect.bottom = rect.top + metrics.KeyHeight - metrics.KeyMargin;
    return rect;
}

} // namespace

// The settings file may hold any number; an unknown keyboard shows the numeric one.
int ShownKeyboardType(int keyboardType) {
    return keyboardType >= 0 && keyboardType < KeyboardTypeCount ? keyboardType : 0;
}

int NextPage(int page, bool hasTexts) {
    if (page == FirstPage)
        return SecondPage;
    return page == SecondPage && hasTexts ? TextPage : FirstPage;
}

int ShownPage(int page, bool hasTexts) {
    return page == TextPage && !hasTexts ? FirstPage : page;
}

int ComputeGeometry(int left, int top, int right, int bottom, int floating, int page) {
    Settings& settings = GetSettings();
    KeyboardMetrics& metrics = settings.Metrics;
    const int shown = ShownKeyboardType(settings.KeyboardType);
    const KeyboardType& type = KeyboardTypes[shown];
    metrics.Columns = type.Columns;
    metrics.Rows = type.Rows;
    metrics.KeyMargin = settings.No3D == 1 ? 0 : 2;
    if (floating)
        SetFloatingMetrics(metrics, FloatingKeySize(type, settings.FloatingSizeType));
    else
        SetDockedMetrics(metrics, type, right - left, bottom - top);
    if (page == TextPage)
        return TextLayout;
    return PagesPerType * shown + (page != FirstPage ? 1 : 0);
}

int KeyAt(int x, int y) {
    const KeyboardMetrics& metrics = GetSettings().Metrics;
    if (!HasKeys(metrics))
        return -1;
    int gridX = x - metrics.KeyMargin - HandleStripWidth;
    int gridY = y - metrics.KeyMargin;
    if (gridX < 0 || gridY < 0)
        return -1;
    int column = gridX / metrics.KeyWidth;
    int row = gridY / metrics.KeyHeight;
    if (column >= metrics.Columns || row >= metrics.Rows)
        return -1;
    int slot = row * metrics.Columns + column;
    return slot < SlotsPerLayout ? slot : -1;
}

KeyFace KeyFaceRect(int row, int column, int layout) {
    const KeyboardMetrics& metrics = GetSettings().Metrics;
    const KeyFace none = {{0, 0, 0, 0}, -1};
    if (!HasKeys(metrics) || row < 0 || column < 0 || row >= metrics.Rows ||
        column >= metrics.Columns)
        return none;
    int slot = row * metrics.Columns + column;
    if (!IsLayoutSlot(layout, slot) || !HoldsKey(layout, slot))
        return none;

    KeyFace face = {CellRect(metrics, row, column), slot};
    int horizontalSpan = LayoutKey(layout, slot).GetHorizontalSpan();
    if (horizontalSpan < 0) {
        face.Rect.left -= metrics.KeyWidth;
        face.Slot = slot - 1;
    } else if (horizontalSpan > 0) {
        face.Rect.right += metrics.KeyWidth;
    }
    if (face.Slot < 0)
        return none;
    int verticalSpan = LayoutKey(layout, face.Slot).GetVerticalSpan();
    if (verticalSpan < 0) {
        face.Rect.top -= metrics.KeyHeight;
        face.Slot = slot - metrics.Columns;
    } else if (verticalSpan > 0) {
        face.Rect.bottom += metrics.KeyHeight;
    }
    return face.Slot < 0 ? none : face;
}
