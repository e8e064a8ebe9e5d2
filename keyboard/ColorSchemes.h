// The colour schemes: every colour a key face can have, the brushes that paint them, and the
// rule that gives each key its face in each scheme.
#pragma once

#include "foundation/OwnedHandle.h"
#include "keyboard/KeyDef.h"

#include <windows.h>

// The ColorType setting.
enum ColorScheme { BlackAndWhite = 0, Grey = 1, Colored = 2 };

// The colour of its own that a key has in the "Colored" scheme.
enum class KeyColor { None, Navigation, Digit, Hex };

constexpr COLORREF LabelColor = 0x000000;
constexpr COLORREF CornerColor = 0x909090; // softens the corners of grey and coloured keys

// Brush and background (the colour a label is drawn on) of one key face.
struct KeyFaceLook {
    HBRUSH Brush;
    COLORREF Background;
};

// A key colour as the key record keeps it: FaceColor and FaceBrush; KeyColor::None gives
// NoFaceColor and no brush.
struct KeyColorRecord {
    COLORREF Color;
    HBRUSH Brush;
};

// Creates the brushes of every scheme and key colour, once per module; they live as long as
// the module. Until then every brush is null.
void CreateSchemeBrushes();

extern OwnedBrush GrayBrush;  // 0x00C0C0C0
extern OwnedBrush WhiteBrush; // 0x00FFFFFF

KeyColorRecord RecordOf(KeyColor color);

// The face of a key in its normal look: grey in the grey scheme, the key's own colour in the
// coloured one (grey without one), white otherwise.
KeyFaceLook NormalFace(const KeyDef& key, int colorType);
// A pressed key is drawn white with a black label, and then its inside inverted: it is black in
// every scheme, its label or picture white.
KeyFaceLook PressedFace();
// Grey and coloured keys have softened corners.
bool HasSoftCorners(int colorType);
