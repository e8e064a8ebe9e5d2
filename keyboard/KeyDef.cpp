#include "keyboard/KeyDef.h"

#include "keyboard/KeyLayouts.h"

void KeyDef::SetText(const std::wstring& text) {
    Text = text;
    Code = NoKeyCode;
}

void KeyDef::SetCode(int code) {
    Code = code;
    Text.clear();
}

void KeyDef::SetFaceBrush(HBRUSH brush) {
    CreateSharedBrushes();
    FaceBrush = brush;
}
