#include "platform/inputpanel/KeyEvents.h"

namespace {

// Control characters that are keys of their own: their codes are also their virtual keys.
bool IsKeyCharacter(UINT ch) {
    return ch == VK_BACK || ch == VK_TAB || ch == VK_RETURN || ch == VK_ESCAPE;
}

// Keys of the navigation block, which a PC keyboard marks as extended.
bool IsExtendedKey(UINT vk) {
    return (vk >= VK_PRIOR && vk <= VK_DOWN) || vk == VK_INSERT || vk == VK_DELETE;
}

INPUT KeyInput(UINT vk, bool down) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = static_cast<WORD>(vk);
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
    input.ki.dwFlags =
        (down ? 0 : KEYEVENTF_KEYUP) | (IsExtendedKey(vk) ? KEYEVENTF_EXTENDEDKEY : 0);
    return input;
}

INPUT CharacterInput(UINT ch, bool down) {
    if (IsKeyCharacter(ch))
        return KeyInput(ch, down);
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wScan = static_cast<WORD>(ch);
    input.ki.dwFlags = KEYEVENTF_UNICODE | (down ? 0 : KEYEVENTF_KEYUP);
    return input;
}

} // namespace

std::vector<INPUT> CharEventInputs(UINT uVk, UINT uKeyFlags, UINT uChars, const UINT* puChars) {
    const bool down = (uKeyFlags & KeyStateDownFlag) != 0;
    std::vector<INPUT> inputs;
    if (uChars == 0) {
        if (uVk != 0)
            inputs.push_back(KeyInput(uVk, down));
        return inputs;
    }
    if (puChars == nullptr)
        return inputs;
    for (UINT i = 0; i < uChars; ++i)
        inputs.push_back(CharacterInput(puChars[i], down));
    return inputs;
}

INPUT VirtualKeyInput(BYTE bVk, DWORD dwFlags) {
    return KeyInput(bVk, (dwFlags & KeyUpFlag) == 0);
}

// A character beyond 16 bits is one keystroke of its surrogate pair: both halves go down, in
// order, before either goes up, so the application never sees half a character on its own.
std::vector<INPUT> StringInputs(const wchar_t* text, DWORD count) {
    std::vector<INPUT> inputs;
    for (DWORD i = 0; text != nullptr && i < count;) {
        const bool pair =
            IS_HIGH_SURROGATE(text[i]) && i + 1 < count && IS_LOW_SURROGATE(text[i + 1]);
        const DWORD end = i + (pair ? 2 : 1);
        for (DWORD unit = i; unit < end; ++unit)
            inputs.push_back(CharacterInput(text[unit], true));
        for (DWORD unit = i; unit < end; ++unit)
            inputs.push_back(CharacterInput(text[unit], false));
        i = end;
    }
    return inputs;
}
