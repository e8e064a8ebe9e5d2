#include "imserver/KeyPainter.h"

#include "foundation/OwnedHandle.h"
#include "foundation/Settings.h"
#include "imserver/KeyLabels.h"
#include "keyboard/BuildKeyboards.h"
#include "keyboard/ColorSchemes.h"
#include "keyboard/Geometry.h"
#include "keyboard/KeyLayouts.h"

#include <algorithm>

namespace {

void DrawShadow(HDC dc, const RECT& rect) {
    Rectangle(dc, rect.left + 1, rect.top + 1, rect.right + 1, rect.bottom + 1);
}

// Pictures keep the Standard keyboard's proportion to their key, about two thirds of its height,
// in the largest size there is that fits inside the key.
int PictureSizeFor(const RECT& face) {
    if (GetSettings().Metrics.Scale == StandardScale)
        return SmallestPictureSize;
    const LONG room = std::min(face.right - face.left, face.bottom - face.top) - 2 * ContentInset;
    return PictureSizeAtMost(std::min<int>(ScaledSize(SmallestPictureSize), room));
}

// Centred, never stretched; the smallest size when the size's pictures cannot be loaded.
void DrawPicture(int image, HDC dc, const RECT& face, HIMAGELIST smallest) {
    int size = PictureSizeFor(face);
    HIMAGELIST pictures = KeyPictureList(size);
    int index = PictureIndexInStrip(image);
    if (size == SmallestPictureSize || pictures == nullptr || index < 0) {
        size = SmallestPictureSize;
        pictures = smallest;
        index = image;
    }
    ImageList_Draw(pictures, index, dc, face.left + (face.right - face.left - size) / 2,
                   face.top + (face.bottom - face.top - size) / 2, ILD_NORMAL);
}

void DrawContent(const KeyDef& key, HDC dc, RECT& rect, HIMAGELIST images) {
    if (key.GetImage() == -1) {
        if (key.IsTextKey())
            DrawTextLabel(dc, key.GetLabel(), rect);
        else
            DrawLabel(dc, key.GetLabel(), rect);
        return;
    }
    DrawPicture(key.GetImage(), dc, rect, images);
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
    DrawContent(key, dc, rect, images);
    if (pressed) {
        const RECT inside = {rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1};
        InvertRect(dc, &inside);
    }
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
