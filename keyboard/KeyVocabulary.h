// The words the keyboard-type records are written in: every label of a layout stands for one
// key, and the label alone gives its code, picture and colour.
#pragma once

#include "keyboard/ColorSchemes.h"

constexpr int KeyPictureCount = 12;

// Positions of the key pictures in KeyPictureResources and so in KeyImageList.
enum KeyPicture {
    NoPicture = -1,
    PictureBackspace,
    PictureDown,
    PictureEnd,
    PictureHome,
    PictureLeft,
    PictureNumLock,
    PictureNumLockInverse,
    PictureReturn,
    PictureRight,
    PictureSpace,
    PictureTab,
    PictureUp,
};

// Bitmap resource names of the key pictures, in the order they enter KeyImageList (so the
// picture of KeyPictureResources[i] has index i when every load succeeds).
extern const wchar_t* const KeyPictureResources[KeyPictureCount];

// Labels that stand for keys labelled from the locale, and the page toggle (which has no label;
// its picture depends on the page).
inline constexpr wchar_t DecimalKeyLabel[] = L"<decimal>";
inline constexpr wchar_t OtherSeparatorKeyLabel[] = L"<other separator>";
inline constexpr wchar_t PageToggleLabel[] = L"";

// What a named label stands for. Single characters not listed type themselves; "0" to "9" are
// digits and "A" to "F" hex digits.
struct VocabularyEntry {
    const wchar_t* Label;
    int Code;
    KeyPicture Picture;
    KeyColor Color;
};
extern const VocabularyEntry KeyVocabulary[];
extern const int KeyVocabularySize;
