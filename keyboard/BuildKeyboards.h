// Fills KeyLayouts with the built-in keyboards of KeyboardTypes and creates what their keys are
// drawn with.
#pragma once

#include "foundation/OwnedHandle.h"
#include "keyboard/KeyVocabulary.h"

#include <string>

// 16 x 16 pictures with masks (white is transparent), filled from ModuleInstance's resources.
extern OwnedImageList KeyImageList;

// The user locale's decimal separator (at most four characters); its key types the first one.
extern std::wstring DecimalSeparator;

// Builds once per module: loads the settings, creates the picture list and the colour schemes'
// brushes, reads the separator and fills every layout. Later calls do nothing.
void BuildKeyboards();

// Once the keyboards are built, fills their layouts again when the PhoneOrder setting (1: the
// digit rows in telephone order, 1 2 3 on top) differs from the order they hold.
void UpdateDigitOrder();

// Counts the fills of the built-in layouts, so that a drawing of them can tell it is out of date.
int KeyboardsRevision();

// True once BuildKeyboards has run.
bool KeyboardsBuilt();

// The index of a picture in KeyImageList; -1 for none, or one that could not be loaded.
int KeyPictureIndex(KeyPicture picture);

// The size of KeyImageList's pictures, and the largest picture size there is at most `most`
// pixels square (that size at the least).
constexpr int SmallestPictureSize = 16;
int PictureSizeAtMost(int most);

// The pictures `size` pixels square (one PictureSizeAtMost gives): KeyImageList for the smallest,
// a list made from the size's strip at its first use for the others, kept with the module; null
// when the strip cannot be loaded.
HIMAGELIST KeyPictureList(int size);
// Where the picture at `image` of KeyImageList stands in the list of another size; -1: nowhere.
int PictureIndexInStrip(int image);
