#include "platform/inputpanel/KeyEvents.h"

namespace {

// Shift states of VkKeyScan's high byte.
constexpr BYTE ShiftState = 1;
constexpr BYTE NoKey = 0xFF;

// Control characters that are keys of their own: their codes are also their virtual keys.
bool IsKeyCharacter(UINT ch) {
    return ch == VK_BACK || ch == VK_TAB || ch == VK_RETURN || ch == VK_ESCAPE;
}

// Keys of the navigation block, which a PC keyboard marks as extended.
bool IsExtendedKey(UINT vk) {
    return (vk >= VK_PRIOR && vk <= VK_DOWN) || vk == VK_INSERT || vk == VK_DELETE;
}

INPUT KeyInput(UINT vk, bool down, HKL layout = nullptr) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = static_cast<WORD>(vk);
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyExW(vk, MAPVK_VK_TO_VSC, layout));
    input.ki.dwFlags =
        (down ? 0 : KEYEVENTF_KEYUP) | (IsExtendedKey(vk) ? KEYEVENTF_EXTENDEDKEY : 0);
    return input;
}

INPUT UnicodeInput(UINT ch, bool down) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wScan = static_cast<WORD>(ch);
    input.ki.dwFlags = KEYEVENTF_UNICODE | (down ? 0 : KEYEVENTF_KEYUP);
    return input;
}

// The key of the layout that types the character, with or without Shift, as the user's keyboard
// stands; false when there is none.
struct LayoutKey {
    bool found;
    UINT vk;
    bool shift;
};

LayoutKey LayoutKeyFor(UINT ch, const KeyContext& context) {
    if (ch > 0xFFFF || IS_HIGH_SURROGATE(ch) || IS_LOW_SURROGATE(ch))
        return {false, 0, false};
    const SHORT scan = VkKeyScanExW(static_cast<WCHAR>(ch), context.layout);
    const BYTE vk = LOBYTE(scan), shifts = HIBYTE(scan);
    const bool needsShift = (shifts & ShiftState) != 0;
    if (scan == -1 || vk == NoKey || (shifts & ~ShiftState) != 0)
        return {false, 0, false};
    // The user's Shift would change an unshifted key; Caps Lock turns letters round.
    if ((!needsShift && context.shiftHeld) || (context.capsLockOn && IsCharAlphaW(ch)))
        return {false, 0, false};
    return {true, vk, needsShift};
}

void AddCharacter(std::vector<INPUT>& inputs, UINT ch, bool down, const KeyContext& context) {
    if (IsKeyCharacter(ch)) {
        inputs.push_back(KeyInput(ch, down, context.layout));
        return;
    }
    const LayoutKey key = LayoutKeyFor(ch, context);
    if (!key.found) {
        inputs.push_back(UnicodeInput(ch, down));
        return;
    }
    // Shift only around the press: no Shift of the panel's stays down while the finger rests.
    const bool addShift = down && key.shift && !context.shiftHeld;
    if (addShift)
        inputs.push_back(KeyInput(VK_SHIFT, true, context.layout));
    inputs.push_back(KeyInput(key.vk, down, context.layout));
    if (addShift)
        inputs.push_back(KeyInput(VK_SHIFT, false, context.layout));
}

} // namespace

KeyContext CurrentKeyContext() {
    const DWORD thread = GetWindowThreadProcessId(GetForegroundWindow(), nullptr);
    return KeyContext{GetKeyboardLayout(thread), (GetAsyncKeyState(VK_SHIFT) & 0x8000) != 0,
                      (GetKeyState(VK_CAPITAL) & 1) != 0};
}

std::vector<INPUT> CharEventInputs(UINT uVk, UINT uKeyFlags, UINT uChars, const UINT* puChars,
                                   const KeyContext& context) {
    const bool down = (uKeyFlags & KeyStateDownFlag) != 0;
    std::vector<INPUT> inputs;
    if (uChars == 0) {
        if (uVk != 0)
            inputs.push_back(KeyInput(uVk, down, context.layout));
        return inputs;
    }
    if (puChars == nullptr)
        return inputs;
    for (UINT i = 0; i < uChars; ++i)
        AddCharacter(inputs, puChars[i], down, context);
    return inputs;
}

INPUT VirtualKeyInput(BYTE bVk, DWORD dwFlags) {
    return KeyInput(bVk, (dwFlags & KeyUpFlag) == 0);
}

// A character beyond 16 bits is one keystroke of its surrogate pair: both halves go down, in
// order, before either goes up, so the application never sees half a character on its own.
std::vector<INPUT> StringInputs(const wchar_t* text, DWORD count, const KeyContext& context) {
    std::vector<INPUT> inputs;
    for (DWORD i = 0; text != nullptr && i < count;) {
        const bool pair =
            IS_HIGH_SURROGATE(text[i]) && i + 1 < count && IS_LOW_SURROGATE(text[i + 1]);
        const DWORD end = i + (pair ? 2 : 1);
        for (bool down : {true, false}) {
            for (DWORD unit = i; unit < end; ++unit)
                AddCharacter(inputs, text[unit], down, context);
        }
        i = end;
    }
    return inputs;
}
