#include "imserver/KeyPainter.h"

#include "foundation/OwnedHandle.h"
#include "foundation/Settings.h"
#include "imserver/LabelFonts.h"
#include "keyboard/BuildKeyboards.h"
#include "keyboard/ColorSchemes.h"
#include "keyboard/Geometry.h"
#include "keyboard/KeyLayouts.h"

#include <algorithm>
#include <cwctype>
#include <vector>

namespace {

constexpr UINT LabelFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
// A text that does not fit its key even on two lines in today's font ends in an ellipsis.
constexpr UINT TextLabelFormat = LabelFormat | DT_END_ELLIPSIS;
// Labels larger than today's keep clear of the frame by a pixel.
constexpr int LabelInset = 2;
// The dialog face's digits are about 0.65 of its character height: characters of 7/10 of the key
// give them more than 40% of the key's height.
constexpr int LabelHeightPerKey[2] = {7, 10};
// Each font tried after a larger one that does not fit is this much smaller, in percent.
constexpr int FontStep = 85;

void DrawShadow(HDC dc, const RECT& rect) {
    Rectangle(dc, rect.left + 1, rect.top + 1, rect.right + 1, rect.bottom + 1);
}

RECT Inside(const RECT& face) {
    return {face.left + LabelInset, face.top + LabelInset, face.right - LabelInset,
            face.bottom - LabelInset};
}

// The character heights of the dialog face a label may take on this key, largest first, down to
// today's font, which comes after them. None on the Standard keyboard at 96 DPI: it keeps
// today's font. A sign starts as high as its key: its glyph is small in its character cell.
std::vector<int> LabelHeights(HDC dc, const RECT& face, bool sign = false) {
    std::vector<int> heights;
    if (GetSettings().Metrics.Scale == StandardScale)
        return heights;
    const int smallest = DefaultFontHeight(dc);
    const int keyHeight = face.bottom - face.top;
    const int largest = sign ? keyHeight : keyHeight * LabelHeightPerKey[0] / LabelHeightPerKey[1];
    for (int height = largest; height > smallest; height = height * FontStep / 100)
        heights.push_back(height);
    return heights;
}

// The font selected for a scope; null keeps the device context's own.
class SelectedFont {
public:
    SelectedFont(HDC dc, HFONT font)
        : selection(dc, font ? font : GetCurrentObject(dc, OBJ_FONT)) {}

private:
    SelectedObject selection;
};

SIZE Extent(HDC dc, const std::wstring& text) {
    SIZE size = {};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size;
}

void DrawLine(HDC dc, const std::wstring& text, RECT rect, UINT format = LabelFormat) {
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, format);
}

// One character that is neither a letter nor a digit: "-", "*", "+", "." and the like.
bool IsSign(const std::wstring& label) {
    return label.size() == 1 && !std::iswalnum(label[0]);
}

// The dialog face's hyphen is short beside its "." and "+": its minus sign is as wide as "+".
std::wstring InDialogFace(const std::wstring& label) {
    return label == L"-" ? L"\u2212" : label;
}

// A label in the largest font in which it fits its key, down to today's.
void DrawLabel(HDC dc, const std::wstring& label, const RECT& face) {
    const RECT inside = Inside(face);
    const std::wstring shown = InDialogFace(label);
    for (const int height : LabelHeights(dc, face, IsSign(label))) {
        const SelectedFont font(dc, DialogFont(height));
        const SIZE size = Extent(dc, shown);
        if (size.cx <= inside.right - inside.left && size.cy <= inside.bottom - inside.top) {
            DrawLine(dc, shown, face);
            return;
        }
    }
    DrawLine(dc, label, face);
}

// The split at a space that gives the narrower longer line; npos: none.
std::size_t BestBreak(HDC dc, const std::wstring& text) {
    std::size_t best = std::wstring::npos;
    LONG bestWidth = 0;
    for (std::size_t space = text.find(L' '); space != std::wstring::npos;
         space = text.find(L' ', space + 1)) {
        const LONG width =
            std::max(Extent(dc, text.substr(0, space)).cx, Extent(dc, text.substr(space + 1)).cx);
        if (best == std::wstring::npos || width < bestWidth) {
            best = space;
            bestWidth = width;
        }
    }
    return best;
}

// The text on one line, or on two broken at a space, when it fits inside in the selected font.
bool DrawFitting(HDC dc, const std::wstring& text, const RECT& inside) {
    const LONG width = inside.right - inside.left, height = inside.bottom - inside.top;
    const SIZE whole = Extent(dc, text);
    if (whole.cx <= width && whole.cy <= height) {
        DrawLine(dc, text, inside);
        return true;
    }
    const std::size_t split = BestBreak(dc, text);
    if (split == std::wstring::npos || 2 * whole.cy > height)
        return false;
    const std::wstring first = text.substr(0, split), second = text.substr(split + 1);
    if (std::max(Extent(dc, first).cx, Extent(dc, second).cx) > width)
        return false;
    const LONG middle = (inside.top + inside.bottom) / 2;
    DrawLine(dc, first, {inside.left, middle - whole.cy, inside.right, middle});
    DrawLine(dc, second, {inside.left, middle, inside.right, middle + whole.cy});
    return true;
}

// A text in the largest font in which it fits inside its key, on one line or two, down to
// today's; in today's font with an ellipsis when even that does not fit.
void DrawTextLabel(HDC dc, const std::wstring& text, const RECT& face) {
    const RECT inside = Inside(face);
    for (const int height : LabelHeights(dc, face)) {
        const SelectedFont font(dc, DialogFont(height));
        if (DrawFitting(dc, text, inside))
            return;
    }
    if (!DrawFitting(dc, text, inside))
        DrawLine(dc, text, inside, TextLabelFormat);
}

// Pictures keep the Standard keyboard's proportion to their key, about two thirds of its height,
// in the largest size there is that fits inside the key.
int PictureSizeFor(const RECT& face) {
    if (GetSettings().Metrics.Scale == StandardScale)
        return SmallestPictureSize;
    const LONG room = std::min(face.right - face.left, face.bottom - face.top) - 2 * LabelInset;
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
