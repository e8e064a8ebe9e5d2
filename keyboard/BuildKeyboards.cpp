#include "keyboard/BuildKeyboards.h"

#include "foundation/Settings.h"
#include "keyboard/ColorSchemes.h"
#include "keyboard/KeyLayouts.h"
#include "keyboard/KeyboardTypes.h"
#include "keyboard/ModuleInstance.h"

#include <cstring>

OwnedImageList KeyImageList;
std::wstring DecimalSeparator;

namespace {

constexpr COLORREF TransparentColor = 0x00FFFFFF;
constexpr int KeyPictureSize = 16;
// Room for the separator and its terminator.
constexpr int SeparatorBufferSize = 5;

bool Built = false;

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
        const OwnedBitmap bitmap(LoadBitmapW(ModuleInstance, KeyPictureResources[i]));
        PictureIndex[i] = bitmap ? ImageList_AddMasked(KeyImageList, bitmap, TransparentColor) : -1;
    }
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

KeyColor CharacterColor(wchar_t character) {
    if (character >= L'0' && character <= L'9')
        return KeyColor::Digit;
    if (character >= L'A' && character <= L'F')
        return KeyColor::Hex;
    return KeyColor::None;
}

BuiltKey LookUpKey(const KeyboardType& type, int page, const wchar_t* label) {
    if (std::wcscmp(label, PageToggleLabel) == 0)
        return {label, PageToggleCode, type.PageToggle[page], KeyColor::None};
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
    const int image = KeyPictureIndex(key.Picture);
    if (key.Color != KeyColor::None) {
        const KeyColorRecord color = RecordOf(key.Color);
        AddKey(layout, key.Label, key.Code, image, color.Color, color.Brush);
    } else if (key.Picture == NoPicture) {
        AddCharKey(layout, key.Label, key.Code);
    } else {
        AddImageKey(layout, key.Label, key.Code, image);
    }
}

// Marks the record just written when it is one cell of a two-cell key.
void MarkTwoCellKey(const KeyboardType& type, int page, int layout) {
    const int slot = NextKeySlot - 1;
    for (int i = 0; i < type.TwoCellKeys.Count; ++i) {
        const TwoCellMark& mark = type.TwoCellKeys.Items[i];
        if (mark.Page != page || mark.Slot != slot)
            continue;
        if (mark.Vertical)
            LayoutKey(layout, slot).SetVerticalSpan(mark.Span);
        else
            LayoutKey(layout, slot).SetHorizontalSpan(mark.Span);
    }
}

void FillLayout(int layout) {
    const KeyboardType& type = KeyboardTypes[layout / PagesPerType];
    const int page = layout % PagesPerType;
    const PageLabels& labels = type.Pages[page];
    NextKeySlot = 0;
    for (int i = 0; i < labels.Count; ++i) {
        AddBuiltKey(layout, LookUpKey(type, page, labels.Items[i]));
        MarkTwoCellKey(type, page, layout);
    }
}

} // namespace

void BuildKeyboards() {
    if (Built)
        return;
    Built = true;

    LoadSettings();
    LoadKeyPictures();
    CreateSchemeBrushes();
    DecimalSeparator = ReadDecimalSeparator();
    for (int layout = 0; layout < BuiltInLayoutCount; ++layout)
        FillLayout(layout);
}

bool KeyboardsBuilt() {
    return Built;
}

int KeyPictureIndex(KeyPicture picture) {
    return picture == NoPicture ? -1 : PictureIndex[picture];
}
