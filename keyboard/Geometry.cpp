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

// Key size factors by KeySize (Standard, Large, Extra large), in halves.
constexpr int KeySizeHalves[] = {2, 3, 4};

void SetFloatingMetrics(KeyboardMetrics& metrics, int standardKeySize) {
    const int keySize = ScaledSize(standardKeySize);
    metrics.KeyWidth = keySize;
    metrics.KeyHeight = keySize;
    metrics.PanelWidth = metrics.Columns * keySize + ScaledSize(PanelExtraWidth);
    metrics.PanelHeight = metrics.Rows * keySize;
}

void SetDockedMetrics(KeyboardMetrics& metrics, const KeyboardType& type, int width, int height) {
    metrics.KeyWidth = (width - metrics.KeyMargin - metrics.StripWidth) / metrics.Columns;
    metrics.KeyHeight = (height - metrics.KeyMargin) / metrics.Rows;
    if (metrics.KeyWidth < 1 || metrics.KeyHeight < 1) {
        // Not a pixel per column and row: no keys at all.
        metrics.KeyWidth = 0;
        metrics.KeyHeight = 0;
    }
    metrics.PanelWidth =
        metrics.Columns * ScaledSize(DockedColumnWidth) + ScaledSize(PanelExtraWidth);
    metrics.PanelHeight = metrics.Rows * ScaledSize(type.DockedRowHeight);
}

bool HasKeys(const KeyboardMetrics& metrics) {
    return metrics.KeyWidth > 0 && metrics.KeyHeight > 0 && metrics.Columns > 0 && metrics.Rows > 0;
}

// The top left of the first cell: KeyMargin right of the strip and KeyMargin down.
POINT GridOrigin(const KeyboardMetrics& metrics) {
    return {metrics.StripWidth + metrics.KeyMargin, metrics.KeyMargin};
}

RECT GridCellRect(const KeyboardMetrics& metrics, int row, int column) {
    const POINT origin = GridOrigin(metrics);
    RECT rect;
    rect.left = origin.x + column * metrics.KeyWidth;
    rect.top = origin.y + row * metrics.KeyHeight;
    rect.right = rect.left + metrics.KeyWidth;
    rect.bottom = rect.top + metrics.KeyHeight;
    return rect;
}

// The scale of a KeySize setting on a screen of `dpi` (none given: StandardDpi).
int KeyScale(int keySize, int dpi) {
    const int halves = keySize == 1 || keySize == 2 ? KeySizeHalves[keySize] : KeySizeHalves[0];
    return halves * (dpi > 0 ? dpi : StandardDpi);
}

} // namespace

int ScaledSize(int standardPixels) {
    const int scale = GetSettings().Metrics.Scale;
    return (standardPixels * scale + StandardScale / 2) / StandardScale;
}

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

int ComputeGeometry(int left, int top, int right, int bottom, int floating, int page, int dpi) {
    Settings& settings = GetSettings();
    KeyboardMetrics& metrics = settings.Metrics;
    const int shown = ShownKeyboardType(settings.KeyboardType);
    const KeyboardType& type = KeyboardTypes[shown];
    metrics.Columns = type.Columns;
    metrics.Rows = type.Rows;
    metrics.KeyMargin = settings.No3D == 1 ? 0 : 2;
    metrics.Scale = KeyScale(settings.KeySize, dpi);
    metrics.StripWidth = ScaledSize(HandleStripWidth);
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
    const POINT origin = GridOrigin(metrics);
    int gridX = x - origin.x;
    int gridY = y - origin.y;
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
    if (!IsLayoutSlot(layout, slot))
        return none;

    const KeyDef& key = LayoutKey(layout, slot);
    int drawn = slot;
    if (key.GetHorizontalSpan() < 0)
        drawn = slot - 1;
    if (drawn >= 0 && LayoutKey(layout, drawn).GetVerticalSpan() < 0)
        drawn = slot - metrics.Columns;
    if (drawn < 0)
        return none;
    const RECT cells = KeyCellsRect(row, column, key);
    return {
        {cells.left, cells.top, cells.right - metrics.KeyMargin, cells.bottom - metrics.KeyMargin},
        drawn};
}

RECT KeyCellsRect(int row, int column, const KeyDef& key) {
    const KeyboardMetrics& metrics = GetSettings().Metrics;
    RECT cells = GridCellRect(metrics, row, column);
    if (key.GetHorizontalSpan() < 0)
        cells.left -= metrics.KeyWidth;
    else if (key.GetHorizontalSpan() > 0)
        cells.right += metrics.KeyWidth;
    if (key.GetVerticalSpan() < 0)
        cells.top -= metrics.KeyHeight;
    else if (key.GetVerticalSpan() > 0)
        cells.bottom += metrics.KeyHeight;
    return cells;
}
