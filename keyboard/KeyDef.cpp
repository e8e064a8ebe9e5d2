#include "keyboard/KeyDef.h"

void KeyDef::SetText(const std::wstring& text) {
    Text = text;
    Code = NoKeyCode;
}

void KeyDef::SetCode(int code) {
    Code = code;
    Text.clear();
}

// A text key has no code of its own (NoKeyCode) and so never repeats.
bool KeyDef::RepeatsWhileHeld() const {
    return Code == BackspaceCode || Code == DeleteCode || (Code <= LeftCode && Code >= DownCode);
}
