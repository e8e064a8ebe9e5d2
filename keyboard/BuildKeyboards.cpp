#include "keyboard/BuildKeyboards.h"

#include "foundation/Settings.h"
#include "keyboard/ColorSchemes.h"
#include "keyboard/KeyLayouts.h"
#include "keyboard/KeyboardTypes.h"
#include "keyboard/ModuleInstance.h"

#include <cstring>
#include <utility>
#include <vector>

OwnedImageList KeyImageList;
std::wstring DecimalSeparator;

namespace {

constexpr COLORREF TransparentColor = 0x00FFFFFF;

// The larger sizes of the pictures, smallest first, each a strip of every picture in KeyPicture
// order (resources/make_key_pictures.py draws them).
struct PictureStrip {
    int Size;
    const wchar_t* Resource;
};
constexpr PictureStrip KeyPictureStrips[] = {{24, L"BMP_PICTURES_24"},
                                             {32, L"BMP_PICTURES_32"},
                                             {48, L"BMP_PICTURES_48"},
                                             {64, L"BMP_PICTURES_64"}};
constexpr int StripCount = sizeof(KeyPictureStrips) / sizeof(KeyPictureStrips[0]);
// Their lists, made when first wanted: a start-up draws only the smallest pictures.
OwnedImageList StripLists[StripCount];
// Room for the separator and its terminator.
constexpr int SeparatorBufferSize = 5;

bool Built = false;
// The digit order the built-in layouts were last filled in (the PhoneOrder setting is 1), and
// how often they were filled.
bool FilledInPhoneOrder = false;
int Revision = 0;

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
    KeyImageList.Attach(ImageList_Create(SmallestPictureSize, SmallestPictureSize, ILC_MASK, 1, 0));
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

int SlotOf(const PageLabels& labels, const wchar_t* label) {
    for (int slot = 0; slot < labels.Count; ++slot) {
        if (std::wcscmp(labels.Items[slot], label) == 0)
            return slot;
    }
    return -1;
}

// A page's labels with its digit rows in telephone order: where "7 8 9" and "1 2 3" stand as
// rows of the same columns, they change places; every other key keeps its place.
std::vector<const wchar_t*> InPhoneOrder(const KeyboardType& type, const PageLabels& labels) {
    std::vector<const wchar_t*> ordered(labels.Items, labels.Items + labels.Count);
    const int seven = SlotOf(labels, L"7"), one = SlotOf(labels, L"1");
    const auto isRow = [&](int first, const wchar_t* second, const wchar_t* third) {
        return first >= 0 && first % type.Columns + 2 < type.Columns &&
               std::wcscmp(labels.Items[first + 1], second) == 0 &&
               std::wcscmp(labels.Items[first + 2], third) == 0;
    };
    if (!isRow(seven, L"8", L"9") || !isRow(one, L"2", L"3") ||
        seven % type.Columns != one % type.Columns || seven / type.Columns == one / type.Columns)
        return ordered;
    for (int i = 0; i < 3; ++i)
        std::swap(ordered[seven + i], ordered[one + i]);
    return ordered;
}

void FillLayout(int layout, bool phoneOrder) {
    const KeyboardType& type = KeyboardTypes[layout / PagesPerType];
    const int page = layout % PagesPerType;
    const PageLabels& labels = type.Pages[page];
    const std::vector<const wchar_t*> ordered =
        phoneOrder ? InPhoneOrder(type, labels)
                   : std::vector<const wchar_t*>(labels.Items, labels.Items + labels.Count);
    NextKeySlot = 0;
    for (const wchar_t* label : ordered) {
        AddBuiltKey(layout, LookUpKey(type, page, label));
        MarkTwoCellKey(type, page, layout);
    }
}

void FillLayouts(bool phoneOrder) {
    for (int layout = 0; layout < BuiltInLayoutCount; ++layout)
        FillLayout(layout, phoneOrder);
    FilledInPhoneOrder = phoneOrder;
    ++Revision;
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
    FillLayouts(GetSettings().PhoneOrder == 1);
}

void UpdateDigitOrder() {
    const bool phoneOrder = GetSettings().PhoneOrder == 1;
    if (Built && phoneOrder != FilledInPhoneOrder)
        FillLayouts(phoneOrder);
}

int KeyboardsRevision() {
    return Revision;
}

bool KeyboardsBuilt() {
    return Built;
}

int KeyPictureIndex(KeyPicture picture) {
    return picture == NoPicture ? -1 : PictureIndex[picture];
}

int PictureSizeAtMost(int most) {
    int size = SmallestPictureSize;
    for (const PictureStrip& strip : KeyPictureStrips) {
        if (strip.Size <= most)
            size = strip.Size;
    }
    return size;
}

HIMAGELIST KeyPictureList(int size) {
    if (size == SmallestPictureSize)
        return KeyImageList;
    for (int i = 0; i < StripCount; ++i) {
        if (KeyPictureStrips[i].Size != size)
            continue;
        if (!StripLists[i]) {
            const OwnedBitmap strip(LoadBitmapW(ModuleInstance, KeyPictureStrips[i].Resource));
            if (!strip)
                return nullptr;
            StripLists[i].Attach(ImageList_Create(size, size, ILC_MASK, KeyPictureCount, 0));
            ImageList_AddMasked(StripLists[i], strip, TransparentColor);
        }
        return StripLists[i];
    }
    return nullptr;
}

int PictureIndexInStrip(int image) {
    for (int picture = 0; picture < KeyPictureCount; ++picture) {
        if (image >= 0 && PictureIndex[picture] == image)
            return picture;
    }
    return -1;
}
