#include "imserver/LabelFonts.h"

#include "foundation/OwnedHandle.h"

#include <map>

namespace {

constexpr wchar_t DialogFace[] = L"MS Shell Dlg 2";
// A window resized again and again would make a font for every height it passed.
constexpr std::size_t MostFontsKept = 64;

// By height; they go with the module.
std::map<int, OwnedFont> Fonts;

} // namespace

int DefaultFontHeight(HDC dc) {
    const SelectedObject font(dc, GetStockObject(SYSTEM_FONT));
    TEXTMETRICW metrics = {};
    GetTextMetricsW(dc, &metrics);
    return metrics.tmHeight - metrics.tmInternalLeading;
}

HFONT DialogFont(int height) {
    std::map<int, OwnedFont>& fonts = Fonts;
    if (const auto found = fonts.find(height); found != fonts.end())
        return found->second;
    if (fonts.size() >= MostFontsKept)
        fonts.clear();
    HFONT font = CreateFontW(-height, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY,
                             VARIABLE_PITCH | FF_SWISS, DialogFace);
    if (font != nullptr)
        fonts[height].Attach(font);
    return font;
}
