#include "imserver/KeyInput.h"

#include "foundation/OwnedHandle.h"
#include "foundation/Settings.h"
#include "imserver/KeyRepeat.h"
#include "imserver/KeyboardAccessible.h"
#include "imserver/KeyboardWindow.h"
#include "imserver/MovingKeyboard.h"
#include "keyboard/Geometry.h"
#include "keyboard/KeyLayouts.h"

namespace {

constexpr UINT PressFlags = 0x80;      // the key is down
constexpr UINT ReleaseFlags = 0x10040; // it was down, and the event carries no character
constexpr DWORD SilentKeyDown = 4;
constexpr DWORD SilentKeyUp = 6;

// The letters of codes -1 to -4: cut, copy, paste, undo.
constexpr BYTE ShortcutLetters[] = {'X', 'C', 'V', 'Z'};

using OwnedString = OwnedHandle<BSTR, SysFreeString>;

// Lower-case letters travel with the virtual key of their capital.
UINT VirtualKeyOf(UINT code) {
    return code > 0x60 ? code - 32 : code;
}

// The whole text in one go; the host reads it as a string of the platform's own allocation.
void SendText(IIMCallback* callback, const std::wstring& text) {
    const OwnedString string(SysAllocStringLen(text.data(), static_cast<UINT>(text.size())));
    if (string)
        callback->SendString(string, static_cast<DWORD>(text.size()));
}

struct Cell {
    int Slot; // -1: no key under the point
    int Column;
    int Row;
};

Cell CellOfSlot(int slot) {
    const int columns = GetSettings().Metrics.Columns;
    return {slot, slot % columns, slot / columns};
}

// Mouse points are unsigned 16-bit here: points left of or above the window lie on no key, nor
// do the empty cells of the text page.
Cell CellAt(LPARAM lParam) {
    const int slot = KeyAt(LOWORD(lParam), HIWORD(lParam));
    return slot < 0 || !HoldsKey(CurrentLayout, slot) ? Cell{-1, 0, 0} : CellOfSlot(slot);
}

// The key shown pressed (1 + slot, 0: none); readers hear of the key that changed.
void ShowPressed(HWND window, KeyboardWindowState& state, int pressedKey) {
    const int before = state.pressedKey;
    if (before == pressedKey)
        return;
    state.pressedKey = pressedKey;
    if (before != 0)
        NotifyKeyStateChanged(window, before - 1);
    if (pressedKey != 0)
        NotifyKeyStateChanged(window, pressedKey - 1);
}

void ClearHighlight(HWND window, KeyboardWindowState& state) {
    if (state.pressedKey == 0)
        return;
    const Cell cell = CellOfSlot(state.pressedKey - 1);
    InvalidateKeyCell(window, cell.Column, cell.Row, LayoutKey(CurrentLayout, cell.Slot));
    CancelPressedKeyShow(window);
    ShowPressed(window, state, 0);
}

// Every press that was sent gets exactly one release of the same key, wherever the finger lifts,
// and nothing after it.
void ReleaseHeldKey(HWND window, KeyboardWindowState& state) {
    StopKeyRepeat(window, state);
    if (state.heldKey == 0)
        return;
    SendKeyEvent(false, LayoutKey(state.heldLayout, state.heldKey - 1), state.callback);
    state.heldKey = 0;
}

void TogglePage(HWND window, KeyboardWindowState& state) {
    TurnPage();
    ShowPressed(window, state, 0);
    InvalidateRect(window, nullptr, FALSE);
}

// The capture brings the lift of a finger that leaves the key here, wherever it goes on to.
void TakeCapture(HWND window, KeyboardWindowState& state) {
    SetCapture(window);
    state.touchCaptured = 1;
}

// A double tap's second touch is a press too, so a quick "00" types two zeros.
void PressKey(HWND window, KeyboardWindowState& state, const Cell& cell) {
    ReleaseHeldKey(window, state);
    ClearHighlight(window, state);
    if (cell.Slot < 0)
        return;
    const KeyDef& key = LayoutKey(CurrentLayout, cell.Slot);
    if (key.GetCode() == PageToggleCode) {
        TogglePage(window, state);
        return;
    }
    if (state.callback != nullptr) {
        SendKeyEvent(true, key, state.callback);
        state.heldKey = cell.Slot + 1;
        state.heldLayout = CurrentLayout;
        // A repeating key keeps the capture too: whoever takes it away ends the repeat.
        if (key.RepeatsWhileHeld()) {
            StartKeyRepeat(window, state);
            TakeCapture(window, state);
        }
    }
    ShowPressed(window, state, cell.Slot + 1);
    ShowPressedKeySoon(window);
}

// Only leaving the shown key changes anything; idle hovering repaints nothing. A finger that
// slides off a held key stops its repeat and may go on out of the window. The capture is taken
// only then (or at the press of a repeating key), as it costs a plain tap more than the tap
// itself.
void MoveOver(HWND window, KeyboardWindowState& state, const Cell& cell) {
    if (state.pressedKey == 0 || state.pressedKey == cell.Slot + 1)
        return;
    StopKeyRepeat(window, state);
    CancelPressedKeyShow(window);
    ShowPressed(window, state, 0);
    InvalidateRect(window, nullptr, FALSE);
    if (state.heldKey != 0)
        TakeCapture(window, state);
}

// Whatever came before, a lift leaves nothing of the touch: the held key is released, and its
// highlight and the capture go. The flag spares a tap the cost of asking for the capture.
void Lift(HWND window, KeyboardWindowState& state) {
    ClearHighlight(window, state);
    ReleaseHeldKey(window, state);
    if (state.touchCaptured != 0)
        ReleaseCapture();
    state.touchCaptured = 0;
}

} // namespace

LRESULT HandleKeyMouse(HWND window, UINT message, LPARAM lParam) {
    KeyboardWindowState* state = WindowStateOf(window);
    if (state == nullptr)
        return 0;
    // A held key does not repeat under a moving keyboard.
    if (HandleStripMouse(window, *state, message, lParam)) {
        StopKeyRepeat(window, *state);
        return 0;
    }
    UpdateWindowGeometry(window);
    const Cell cell = CellAt(lParam);
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        PressKey(window, *state, cell);
        break;
    case WM_MOUSEMOVE:
        MoveOver(window, *state, cell);
        break;
    case WM_LBUTTONUP:
        Lift(window, *state);
        break;
    default:
        break;
    }
    return 0;
}

// The whole window is repainted, as the highlight may date from other metrics. A strip drag
// ends where it is, without moving the keyboard. The capture is given up here only when a
// cancelled mode asks for it; a lost capture is gone already. A capture change while the window
// still holds the capture is not the system's, and changes nothing.
LRESULT CancelTouch(HWND window, UINT message, LPARAM lParam) {
    KeyboardWindowState* state = WindowStateOf(window);
    if (state == nullptr || (message == WM_CAPTURECHANGED &&
                             (reinterpret_cast<HWND>(lParam) == window || GetCapture() == window)))
        return 0;
    if (state->pressedKey != 0) {
        InvalidateRect(window, nullptr, FALSE);
        CancelPressedKeyShow(window);
    }
    ShowPressed(window, *state, 0);
    state->dragging = 0;
    state->touchCaptured = 0;
    ReleaseHeldKey(window, *state);
    if (message == WM_CANCELMODE && GetCapture() == window)
        ReleaseCapture();
    return 0;
}

void ChangeCallback(HWND window, KeyboardWindowState& state, IIMCallback* callback) {
    if (callback != state.callback)
        ReleaseHeldKey(window, state);
    state.callback = callback;
}

void SendKeyEvent(bool isPress, const KeyDef& key, IIMCallback* callback) {
    if (callback == nullptr)
        return;
    if (key.IsTextKey()) {
        if (isPress)
            SendText(callback, key.GetText());
        return;
    }
    UINT flags = isPress ? PressFlags : ReleaseFlags;
    const int code = key.GetCode();
    if (code >= 0) {
        UINT character = static_cast<UINT>(code);
        callback->SendCharEvents(VirtualKeyOf(character), flags, 1, &flags, &character);
    } else if (code >= -4) {
        if (isPress)
            SendCtrlShortcut(callback, ShortcutLetters[-code - 1]);
    } else {
        UINT virtualKey = static_cast<UINT>(-code);
        callback->SendCharEvents(VirtualKeyOf(virtualKey), flags, 0, &flags, &virtualKey);
    }
}

void SendCtrlShortcut(IIMCallback* callback, BYTE letter) {
    callback->SendVirtualKey(VK_LCONTROL, SilentKeyDown);
    callback->SendVirtualKey(letter, SilentKeyDown);
    callback->SendVirtualKey(letter, SilentKeyUp);
    callback->SendVirtualKey(VK_LCONTROL, SilentKeyUp);
}

void InvalidateKeyCell(HWND window, int column, int row, const KeyDef& key) {
    const RECT cells = KeyCellsRect(row, column, key);
    InvalidateRect(window, &cells, FALSE);
}
