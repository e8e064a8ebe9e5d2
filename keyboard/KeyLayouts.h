// The module-wide table of the layouts (two built-in pages per keyboard type, then the text
// page) and the operations that fill it.
#pragma once

#include "keyboard/KeyDef.h"
#include "keyboard/KeyboardTypes.h"

#include <string>

// Layout L, slot S is KeyLayouts[L * SlotsPerLayout + S]; a slot is row * Columns + column.
extern KeyDef KeyLayouts[LayoutCount * SlotsPerLayout];

// The slot that the next add operation writes in the layout it names.
extern int NextKeySlot;

// True when layout and slot name one of the LayoutCount x 40 records.
bool IsLayoutSlot(int layout, int slot);
// The record of a slot; callers check IsLayoutSlot first.
KeyDef& LayoutKey(int layout, int slot);
// Whether a slot of the layout's grid holds a key: on the built-in pages every one does, on the
// text page only the toggle's and those of the texts set; an empty record never. A slot without a
// key is not tapped; on the text page it is drawn as a blank key. Callers check IsLayoutSlot
// first.
bool HoldsKey(int layout, int slot);

// Each writes the record at NextKeySlot of the layout and advances the cursor. A layout outside
// the table or a cursor outside the 40 slots writes nothing, leaves the cursor and returns false.
bool AddKey(int layout, const std::wstring& label, int code, int image, COLORREF faceColor,
            HBRUSH faceBrush);
bool AddCharKey(int layout, const std::wstring& label, int code);
bool AddImageKey(int layout, const std::wstring& label, int code, int image);
bool AddTextKey(int layout, const std::wstring& label, const std::wstring& text);
