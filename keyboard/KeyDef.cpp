#include "keyboard/KeyDef.h"

void KeyDef::SetText(const std::wstring& text) {
    Text = text;
    Code = NoKeyCode;
}

void KeyDef::SetCode(int code) {
    Code = code;
    Text.clear();
}
