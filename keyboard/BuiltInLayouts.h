// The twelve built-in keyboards as data: the labels of each layout slot by slot, the two-cell
// keys, and the vocabulary that gives every label its code, picture and colour.
#pragma once

#include "keyboard/KeyLayouts.h"

// Positions of the key pictures in KeyPictureResources.
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

enum class KeyColor { None, Navigation, Digit, Hex };

// What a label stands for. Single characters not listed here type themselves; "0" to "9" are
// digits and "A" to "F" hex digits.
struct VocabularyEntry {
    const wchar_t* Label;
    int Code;
    KeyPicture Picture;
    KeyColor Color;
};
extern const VocabularyEntry KeyVocabulary[];
extern const int KeyVocabularySize;

// Labels in the layout tables that stand for keys labelled from the locale, and the page toggle
// (which has no label; its picture depends on the page).
extern const wchar_t DecimalKeyLabel[];
extern const wchar_t OtherSeparatorKeyLabel[];
extern const wchar_t PageToggleLabel[];

// Labels of one layout, row by row; the first null ends the layout.
struct LayoutLabels {
    const wchar_t* Labels[SlotsPerLayout];
};
extern const LayoutLabels BuiltInLayouts[LayoutCount];

// One cell of a key two cells wide or high.
struct TwoCellMark {
    int Layout;
    int Slot;
    bool Vertical;
    int Span; // +1 first cell, -1 second
};
extern const TwoCellMark TwoCellKeys[];
extern const int TwoCellKeyCount;
