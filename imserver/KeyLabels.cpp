#include "imserver/KeyLabels.h"

#include "foundation/OwnedHandle.h"
#include "foundation/Settings.h"
#include "keyboard/Geometry.h"

#include <algorithm>
#include <cwctype>
#include <map>
#include <vector>

namespace {

constexpr wchar_t DialogFace[] = L"MS Shell Dlg 2";
// A window resized again and again would make a font for every height it passed.
constexpr std::size_t MostFontsKept = 64;

// By height; they go with the module.
std::map<int, OwnedFont> Fonts;

// Character height (the em, without internal leading) of the device context's own font.
int DefaultFontHeight(HDC dc) {
    const SelectedObject font(dc, GetStockObject(SYSTEM_FONT));
    TEXTMETRICW metrics = {};
    GetTextMetricsW(dc, &metrics);
    return metrics.tmHeight - metrics.tmInternalLeading;
}

// The dialog face, bold, with characters `height` pixels high, made at its first use and kept with
// the module; null when it cannot be made: the label then keeps the device context's font.
HFONT DialogFont(int height) {
    if (const auto found = Fonts.find(height); found != Fonts.end())
        return found->second;
    if (Fonts.size() >= MostFontsKept)
        Fonts.clear();
    HFONT font = CreateFontW(-height, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY,
                             VARIABLE_PITCH | FF_SWISS, DialogFace);
    if (font != nullptr)
        Fonts[height].Attach(font);
    return font;
}

constexpr UINT LabelFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
// A text that does not fit its key even on two lines in today's font ends in an ellipsis.
constexpr UINT TextLabelFormat = LabelFormat | DT_END_ELLIPSIS;
// The dialog face's digits are about 0.65 of its character height: characters of 7/10 of the key
// give them more than 40% of the key's height.
constexpr int LabelHeightPerKey[2] = {7, 10};
// Each font tried after a larger one that does not fit is this much smaller, in percent.
constexpr int FontStep = 85;

RECT Inside(const RECT& face) {
    return {face.left + ContentInset, face.top + ContentInset, face.right - ContentInset,
            face.bottom - ContentInset};
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

} // namespace

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
