#include "imserver/KeyPainter.h"

#include "foundation/OwnedHandle.h"
#include "foundation/Settings.h"
#include "keyboard/BuildKeyboards.h"
#include "keyboard/ColorSchemes.h"
#include "keyboard/Geometry.h"
#include "keyboard/KeyLayouts.h"

namespace {

constexpr UINT LabelFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
// The user's texts may be longer than their key: they end in an ellipsis then.
constexpr UINT TextLabelFormat = LabelFormat | DT_END_ELLIPSIS;
constexpr int PictureSize = 16;

void DrawShadow(HDC dc, const RECT& rect) {
    Rectangle(dc, rect.left + 1, rect.top + 1, rect.right + 1, rect.bottom + 1);
}

void DrawContent(const KeyDef& key, HDC dc, RECT& rect, HIMAGELIST images) {
    if (key.GetImage() == -1) {
        std::wstring label = key.GetLabel();
        DrawTextW(dc, label.c_str(), static_cast<int>(label.size()), &rect,
                  key.IsTextKey() ? TextLabelFormat : LabelFormat);
        return;
    }
    ImageList_Draw(images, key.GetImage(), dc,
                   rect.left + (rect.right - rect.left - PictureSize) / 2,
                   rect.top + (rect.bottom - rect.top - PictureSize) / 2, ILD_NORMAL);
}

void DrawCorners(HDC dc, const RECT& rect) {
    SetPixel(dc, rect.left + 1, rect.top + 1, CornerColor);
    SetPixel(dc, rect.left + 1, rect.bottom - 2, CornerColor);
    SetPixel(dc, rect.right - 2, rect.top + 1, CornerColor);
    SetPixel(dc, rect.right - 2, rect.bottom - 2, CornerColor);
}

void DrawStrip(HDC dc, const RECT& client) {
    const SelectedObject brush(dc, GetStockObject(GRAY_BRUSH));
    Rectangle(dc, client.left, client.top, client.left + GetSettings().Metrics.StripWidth,
              client.bottom);
}

} // namespace

void DrawKey(const KeyDef& key, HDC dc, RECT rect, HIMAGELIST images, bool pressed) {
    const Settings& settings = GetSettings();
    const KeyFaceLook face = pressed ? PressedFace() : NormalFace(key, settings.ColorType);
    const SelectedObject brush(dc, face.Brush);
    SetBkColor(dc, face.Background);
    if (pressed || settings.No3D == 0) {
        DrawShadow(dc, rect);
    } else {
        ++rect.right;
        ++rect.bottom;
    }
    Rectangle(dc, rect.left, rect.top, rect.right, rect.bottom);
    if (!pressed)
        DrawContent(key, dc, rect, images);
    if (HasSoftCorners(settings.ColorType))
        DrawCorners(dc, rect);
}

void DrawKeyboard(HDC dc, const RECT& client, int layout, int pressedKey) {
    const KeyboardMetrics& metrics = GetSettings().Metrics;
    if (pressedKey == 0)
        DrawStrip(dc, client);
    SetTextColor(dc, LabelColor);
    const SelectedObject pen(dc, GetStockObject(BLACK_PEN));
    if (metrics.KeyWidth <= 0 || metrics.KeyHeight <= 0)
        return;
    for (int row = 0; row < metrics.Rows; ++row) {
        for (int column = 0; column < metrics.Columns; ++column) {
            const KeyFace face = KeyFaceRect(row, column, layout);
            if (face.Slot < 0 || (pressedKey != 0 && pressedKey != face.Slot + 1))
                continue;
            DrawKey(LayoutKey(layout, face.Slot), dc, face.Rect, KeyImageList, pressedKey != 0);
        }
    }
}
