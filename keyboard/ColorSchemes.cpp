#include "keyboard/ColorSchemes.h"

OwnedBrush GrayBrush;
OwnedBrush WhiteBrush;

namespace {

constexpr COLORREF Gray = 0x00C0C0C0;
constexpr COLORREF White = 0x00FFFFFF;
constexpr COLORREF NavigationColor = 0x00B0FFFF; // Home, End, the arrows
constexpr COLORREF DigitColor = 0x00FFA0A0;      // "0" to "9"
constexpr COLORREF HexColor = 0x00FF8080;        // "A" to "F"

OwnedBrush NavigationBrush;
OwnedBrush DigitBrush;
OwnedBrush HexBrush;

void Create(OwnedBrush& brush, COLORREF color) {
    if (!brush)
        brush.Attach(CreateSolidBrush(color));
}

} // namespace

void CreateSchemeBrushes() {
    Create(GrayBrush, Gray);
    Create(WhiteBrush, White);
    Create(NavigationBrush, NavigationColor);
    Create(DigitBrush, DigitColor);
    Create(HexBrush, HexColor);
}

KeyColorRecord RecordOf(KeyColor color) {
    switch (color) {
    case KeyColor::Navigation:
        return {NavigationColor, NavigationBrush};
    case KeyColor::Digit:
        return {DigitColor, DigitBrush};
    case KeyColor::Hex:
        return {HexColor, HexBrush};
    case KeyColor::None:
        break;
    }
    return {NoFaceColor, nullptr};
}

KeyFaceLook NormalFace(const KeyDef& key, int colorType) {
    if (colorType == Grey)
        return {GrayBrush, Gray};
    if (colorType == Colored && key.GetFaceBrush() != nullptr)
        return {key.GetFaceBrush(), key.GetFaceColor()};
    if (colorType == Colored)
        return {GrayBrush, Gray};
    return {WhiteBrush, White};
}

KeyFaceLook PressedFace() {
    return {WhiteBrush, White};
}

bool HasSoftCorners(int colorType) {
    return colorType >= Grey;
}
