#include "keyboard/KeyLayouts.h"

KeyDef KeyLayouts[LayoutCount * SlotsPerLayout];
int NextKeySlot = 0;

bool IsLayoutSlot(int layout, int slot) {
    return layout >= 0 && layout < LayoutCount && slot >= 0 && slot < SlotsPerLayout;
}

KeyDef& LayoutKey(int layout, int slot) {
    return KeyLayouts[layout * SlotsPerLayout + slot];
}

bool HoldsKey(int layout, int slot) {
    const KeyDef& key = LayoutKey(layout, slot);
    if (key.IsEmpty())
        return false;
    return layout != TextLayout || key.IsTextKey() || key.GetCode() == PageToggleCode;
}

namespace {

// The record the next add operation writes, or null when it would leave the table.
KeyDef* NextRecord(int layout) {
    return IsLayoutSlot(layout, NextKeySlot) ? &LayoutKey(layout, NextKeySlot) : nullptr;
}

} // namespace

bool AddKey(int layout, const std::wstring& label, int code, int image, COLORREF faceColor,
            HBRUSH faceBrush) {
    KeyDef* key = NextRecord(layout);
    if (!key)
        return false;
    key->SetLabel(label);
    key->SetImage(image);
    key->SetFaceColor(faceColor);
    key->SetFaceBrush(faceBrush);
    key->SetCode(code);
    ++NextKeySlot;
    return true;
}

bool AddCharKey(int layout, const std::wstring& label, int code) {
    return AddKey(layout, label, code, -1, NoFaceColor, nullptr);
}

bool AddImageKey(int layout, const std::wstring& label, int code, int image) {
    return AddKey(layout, label, code, image, NoFaceColor, nullptr);
}

bool AddTextKey(int layout, const std::wstring& label, const std::wstring& text) {
    KeyDef* key = NextRecord(layout);
    if (!key)
        return false;
    key->SetLabel(label);
    key->SetText(text);
    ++NextKeySlot;
    return true;
}
