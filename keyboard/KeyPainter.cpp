#include "keyboard/KeyPainter.h"

#include "foundation/Settings.h"
#include "keyboard/BuildKeyboards.h"
#include "keyboard/Geometry.h"
#include "keyboard/KeyInput.h"
#include "keyboard/KeyLayouts.h"
#include "keyboard/KeyboardPicture.h"

namespace {

constexpr COLORREF Black = 0x000000;
constexpr COLORREF Gray = 0xC0C0C0;
constexpr COLORREF White = 0xFFFFFF;
constexpr COLORREF CornerGray = 0x909090;
constexpr UINT LabelFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
constexpr int PictureSize = 16;

enum ColorScheme { BlackAndWhite = 0, Grey = 1, Colored = 2 };

struct Face {
    HBRUSH Brush;
    COLORREF Background;
};

Face FaceOf(const KeyDef& key, int colorType) {
    if (colorType == Grey)
        return {GrayBrush, Gray};
    if (colorType == Colored)
        return key.GetFaceBrush() != nullptr ? Face{key.GetFaceBrush(), key.GetFaceColor()}
                                             : Face{GrayBrush, Gray};
    return {WhiteBrush, White};
}

void DrawShadow(HDC dc, const RECT& rect) {
    Rectangle(dc, rect.left + 1, rect.top + 1, rect.right + 1, rect.bottom + 1);
}

void DrawContent(const KeyDef& key, HDC dc, RECT& rect, HIMAGELIST images) {
    if (key.GetImage() == -1) {
        std::wstring label = key.GetLabel();
        DrawTextW(dc, label.c_str(), static_cast<int>(label.size()), &rect, LabelFormat);
        return;
    }
    ImageList_Draw(images, key.GetImage(), dc,
                   rect.left + (rect.right - rect.left - PictureSize) / 2,
                   rect.top + (rect.bottom - rect.top - PictureSize) / 2, ILD_NORMAL);
}

// Softens the corners of the grey and coloured keys.
void DrawCorners(HDC dc, const RECT& rect) {
    SetPixel(dc, rect.left + 1, rect.top + 1, CornerGray);
    SetPixel(dc, rect.left + 1, rect.bottom - 2, CornerGray);
    SetPixel(dc, rect.right - 2, rect.top + 1, CornerGray);
    SetPixel(dc, rect.right - 2, rect.bottom - 2, CornerGray);
}

void DrawStrip(HDC dc, const RECT& client) {
    HGDIOBJ previous = SelectObject(dc, GetStockObject(GRAY_BRUSH));
    Rectangle(dc, client.left, client.top, client.left + HandleStripWidth, client.bottom);
    SelectObject(dc, previous);
}

} // namespace

void DrawKey(const KeyDef& key, HDC dc, RECT rect, HIMAGELIST images, bool pressed) {
    const Settings& settings = GetSettings();
    if (pressed) {
        SelectObject(dc, BlackBrush);
        SetBkColor(dc, Black);
        DrawShadow(dc, rect);
        Rectangle(dc, rect.left, rect.top, rect.right, rect.bottom);
    } else {
        const Face face = FaceOf(key, settings.ColorType);
        SelectObject(dc, face.Brush);
        SetBkColor(dc, face.Background);
        if (settings.No3D == 0) {
            DrawShadow(dc, rect);
        } else {
            ++rect.right;
            ++rect.bottom;
        }
        Rectangle(dc, rect.left, rect.top, rect.right, rect.bottom);
        DrawContent(key, dc, rect, images);
    }
    if (settings.ColorType >= Grey)
        DrawCorners(dc, rect);
}

void DrawKeyboard(HDC dc, const RECT& client, int layout, int pressedKey) {
    const KeyboardMetrics& metrics = GetSettings().Metrics;
    if (pressedKey == 0)
        DrawStrip(dc, client);
    SetTextColor(dc, Black);
    SelectObject(dc, GetStockObject(BLACK_PEN));
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

LRESULT PaintKeyboard(HWND window) {
    const KeyboardWindowState* state = WindowStateOf(window);
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT client = {};
    GetClientRect(window, &client);
    LoadSettings();
    const int layout = UpdateWindowGeometry(window, *state);
    if (state->pressedKey == 0)
        NormalKeyboardPicture.Paint(dc, client, paint.rcPaint, layout);
    else
        DrawKeyboard(dc, client, layout, state->pressedKey);
    EndPaint(window, &paint);
    return 0;
}
