#include "keyboard/BuildKeyboards.h"

#include "foundation/Settings.h"
#include "keyboard/BuiltInLayouts.h"
#include "keyboard/KeyLayouts.h"
#include "keyboard/ModuleInstance.h"

#include <cstring>

const wchar_t* const KeyPictureResources[KeyPictureCount] = {
    L"BMP_BACKSPACE",   L"BMP_DOWN",   L"BMP_END",   L"BMP_HOME",  L"BMP_LEFT", L"BMP_NUMLOCK",
    L"BMP_NUMLOCK_INV", L"BMP_RETURN", L"BMP_RIGHT", L"BMP_SPACE", L"BMP_TAB",  L"BMP_UP",
};

OwnedImageList KeyImageList;
OwnedBrush NavigationBrush;
OwnedBrush DigitBrush;
OwnedBrush HexBrush;
std::wstring DecimalSeparator;

namespace {

constexpr COLORREF NavigationColor = 0x00B0FFFF;
constexpr COLORREF DigitColor = 0x00FFA0A0;
constexpr COLORREF HexColor = 0x00FF8080;
constexpr COLORREF TransparentColor = 0x00FFFFFF;
constexpr int KeyPictureSize = 16;
// Room for the separator and its terminator.
constexpr int SeparatorBufferSize = 5;
constexpr int OneRowPrimaryLayout = 10;

bool KeyboardsBuilt = false;

// The index KeyImageList gave each picture, -1 for one that could not be loaded or added.
int PictureIndex[KeyPictureCount];

// What one slot gets: the add operation follows from picture and colour.
struct BuiltKey {
    std::wstring Label;
    int Code;
    KeyPicture Picture;
    KeyColor Color;
};

void LoadKeyPictures() {
    KeyImageList.Attach(ImageList_Create(KeyPictureSize, KeyPictureSize, ILC_MASK, 1, 0));
    for (int i = 0; i < KeyPictureCount; ++i) {
        PictureIndex[i] = -1;
        HBITMAP bitmap = LoadBitmapW(ModuleInstance, KeyPictureResources[i]);
        if (!bitmap)
            continue;
        PictureIndex[i] = ImageList_AddMasked(KeyImageList, bitmap, TransparentColor);
        DeleteObject(bitmap);
    }
}

void CreateKeyColorBrushes() {
    NavigationBrush.Create(NavigationColor);
    DigitBrush.Create(DigitColor);
    HexBrush.Create(HexColor);
}

std::wstring ReadDecimalSeparator() {
    wchar_t buffer[SeparatorBufferSize] = {};
    if (GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, buffer, SeparatorBufferSize) > 0 &&
        buffer[0] != L'\0')
        return buffer;
    return L".";
}

// The separator key that offers what the locale does not use.
BuiltKey OtherSeparatorKey() {
    if (DecimalSeparator[0] == L'.')
        return {L",", L',', NoPicture, KeyColor::None};
    return {L".", L'.', NoPicture, KeyColor::None};
}

// Types 0-4 show the inverse picture on the primary page; the one-row type the other way round.
KeyPicture PageTogglePicture(int layout) {
    bool primary = layout % 2 == 0;
    bool inverse = (layout < OneRowPrimaryLayout) == primary;
    return inverse ? PictureNumLockInverse : PictureNumLock;
}

KeyColor CharacterColor(wchar_t character) {
    if (character >= L'0' && character <= L'9')
        return KeyColor::Digit;
    if (character >= L'A' && character <= L'F')
        return KeyColor::Hex;
    return KeyColor::None;
}

BuiltKey LookUpKey(int layout, const wchar_t* label) {
    if (std::wcscmp(label, PageToggleLabel) == 0)
        return {label, PageToggleCode, PageTogglePicture(layout), KeyColor::None};
    if (std::wcscmp(label, DecimalKeyLabel) == 0)
        return {DecimalSeparator, DecimalSeparator[0], NoPicture, KeyColor::None};
    if (std::wcscmp(label, OtherSeparatorKeyLabel) == 0)
        return OtherSeparatorKey();
    for (int i = 0; i < KeyVocabularySize; ++i) {
        const VocabularyEntry& entry = KeyVocabulary[i];
        if (std::wcscmp(label, entry.Label) == 0)
            return {label, entry.Code, entry.Picture, entry.Color};
    }
    return {label, label[0], NoPicture, CharacterColor(label[0])};
}

void AddBuiltKey(int layout, const BuiltKey& key) {
    int image = key.Picture == NoPicture ? -1 : PictureIndex[key.Picture];
    switch (key.Color) {
    case KeyColor::Navigation:
        AddKey(layout, key.Label, key.Code, image, NavigationColor, NavigationBrush);
        break;
    case KeyColor::Digit:
        AddKey(layout, key.Label, key.Code, image, DigitColor, DigitBrush);
        break;
    case KeyColor::Hex:
        AddKey(layout, key.Label, key.Code, image, HexColor, HexBrush);
        break;
    case KeyColor::None:
        if (key.Picture == NoPicture)
            AddCharKey(layout, key.Label, key.Code);
        else
            AddImageKey(layout, key.Label, key.Code, image);
        break;
    }
}

// Marks the record just written when it is one cell of a two-cell key.
void MarkTwoCellKey(int layout) {
    int slot = NextKeySlot - 1;
    for (int i = 0; i < TwoCellKeyCount; ++i) {
        const TwoCellMark& mark = TwoCellKeys[i];
        if (mark.Layout != layout || mark.Slot != slot)
            continue;
        if (mark.Vertical)
            LayoutKey(layout, slot).SetVerticalSpan(mark.Span);
        else
            LayoutKey(layout, slot).SetHorizontalSpan(mark.Span);
    }
}

void FillLayout(int layout) {
    NextKeySlot = 0;
    for (const wchar_t* label : BuiltInLayouts[layout].Labels) {
        if (!label)
            break;
        AddBuiltKey(layout, LookUpKey(layout, label));
        MarkTwoCellKey(layout);
    }
}

} // namespace

void BuildKeyboards() {
    if (KeyboardsBuilt)
        return;
    KeyboardsBuilt = true;

    LoadSettings();
    GetSettings().SipState = 3; // shown and docked
    LoadKeyPictures();
    CreateKeyColorBrushes();
    DecimalSeparator = ReadDecimalSeparator();
    for (int layout = 0; layout < LayoutCount; ++layout)
        FillLayout(layout);
}
