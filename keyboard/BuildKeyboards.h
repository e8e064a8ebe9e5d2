// Fills KeyLayouts with the twelve built-in keyboards and creates what their keys are drawn with.
#pragma once

#include "keyboard/OwnedHandles.h"

#include <string>

constexpr int KeyPictureCount = 12;

// Bitmap resource names of the key pictures, in the order they enter KeyImageList (so the
// picture of KeyPictureResources[i] has index i when every load succeeds).
extern const wchar_t* const KeyPictureResources[KeyPictureCount];

// 16 x 16 pictures with masks (white is transparent), filled from ModuleInstance's resources.
extern OwnedImageList KeyImageList;

extern OwnedBrush NavigationBrush; // 0x00B0FFFF: Home, End, the arrows
extern OwnedBrush DigitBrush;      // 0x00FFA0A0: "0" to "9"
extern OwnedBrush HexBrush;        // 0x00FF8080: "A" to "F"

// The user locale's decimal separator (at most four characters); its key types the first one.
extern std::wstring DecimalSeparator;

// Builds once per module: loads the settings, marks the panel docked (SipState 3), creates the
// picture list and brushes, reads the separator and fills layouts 0 to 11. Later calls do nothing.
void BuildKeyboards();
