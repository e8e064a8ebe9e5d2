// The module-wide table of the twelve keyboards, the operations that fill it and the brushes
// shared by every key face.
#pragma once

#include "keyboard/KeyDef.h"
#include "keyboard/OwnedHandles.h"

#include <string>

constexpr int LayoutCount = 12;
constexpr int SlotsPerLayout = 40;

// Layout L, slot S is KeyLayouts[L * SlotsPerLayout + S]; a slot is row * Columns + column.
extern KeyDef KeyLayouts[LayoutCount * SlotsPerLayout];

// The slot that the next add operation writes in the layout it names.
extern int NextKeySlot;

// Faces of the grey and black-and-white schemes and of a pressed key. Created by the first
// SetFaceBrush (that is, by the first add operation that sets a brush).
extern OwnedBrush GrayBrush;  // 0x00C0C0C0
extern OwnedBrush WhiteBrush; // 0x00FFFFFF
extern OwnedBrush BlackBrush; // 0x00000000
void CreateSharedBrushes();

// True when layout and slot name one of the 12 x 40 records.
bool IsLayoutSlot(int layout, int slot);
// The record of a slot; callers check IsLayoutSlot first.
KeyDef& LayoutKey(int layout, int slot);

// Each writes the record at NextKeySlot of the layout and advances the cursor. A layout outside
// 0..11 or a cursor outside the 40 slots writes nothing, leaves the cursor and returns false.
bool AddKey(int layout, const std::wstring& label, int code, int image, COLORREF faceColor,
            HBRUSH faceBrush);
bool AddCharKey(int layout, const std::wstring& label, int code);
bool AddImageKey(int layout, const std::wstring& label, int code, int image);
bool AddTextKey(int layout, const std::wstring& label, const std::wstring& text);
