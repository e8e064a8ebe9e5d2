#include "imserver/KeyInput.h"

#include "foundation/Settings.h"
#include "imserver/KeyOutput.h"
#include "imserver/KeyboardAccessible.h"
#include "imserver/KeyboardPaint.h"
#include "imserver/MovingKeyboard.h"
#include "keyboard/Geometry.h"
#include "keyboard/KeyLayouts.h"

namespace {

struct Cell {
    int Slot; // -1: no key under the point
    int Row;
    int Column;
};

Cell CellOfSlot(int slot) {
    const int columns = GetSettings().Metrics.Columns;
    return {slot, slot / columns, slot % columns};
}

// Mouse points are unsigned 16-bit here: points left of or above the window lie on no key, nor
// do the empty cells of the text page.
Cell CellAt(LPARAM lParam) {
    const int slot = KeyAt(LOWORD(lParam), HIWORD(lParam));
    return slot < 0 || !HoldsKey(CurrentLayout, slot) ? Cell{-1, 0, 0} : CellOfSlot(slot);
}

// Marks the cells of the key in the cell (both cells of a two-cell key) for repainting, without
// erasing.
void InvalidateKeyCells(HWND window, const Cell& cell) {
    const RECT cells = KeyCellsRect(cell.Row, cell.Column, LayoutKey(CurrentLayout, cell.Slot));
    InvalidateRect(window, &cells, FALSE);
}

// The key shown pressed (1 + slot, 0: none); readers hear of the key that changed.
void ShowPressed(HWND window, KeyboardWindowState& state, int pressedKey) {
    const int before = state.touch.pressedKey;
    if (before == pressedKey)
        return;
    state.touch.pressedKey = pressedKey;
    if (before != 0)
        NotifyKeyStateChanged(window, before - 1);
    if (pressedKey != 0)
        NotifyKeyStateChanged(window, pressedKey - 1);
}

void ClearHighlight(HWND window, KeyboardWindowState& state) {
    if (state.touch.pressedKey == 0)
        return;
    InvalidateKeyCells(window, CellOfSlot(state.touch.pressedKey - 1));
    CancelPressedKeyShow(window);
    ShowPressed(window, state, 0);
}

// Every press that was sent gets exactly one release of the same key, wherever the finger lifts,
// and nothing after it.
void ReleaseHeldKey(HWND window, KeyboardWindowState& state) {
    state.repeat.Stop(window);
    if (state.touch.heldKey == 0)
        return;
    SendKeyEvent(false, LayoutKey(state.touch.heldLayout, state.touch.heldKey - 1),
                 state.panel.callback);
    state.touch.heldKey = 0;
}

void TogglePage(HWND window, KeyboardWindowState& state) {
    TurnPage();
    ShowPressed(window, state, 0);
    InvalidateRect(window, nullptr, FALSE);
}

// The capture brings the lift of a finger that leaves the key here, wherever it goes on to.
void TakeCapture(HWND window, KeyboardWindowState& state) {
    SetCapture(window);
    state.touch.captured = true;
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
    if (state.panel.callback != nullptr) {
        SendKeyEvent(true, key, state.panel.callback);
        state.touch.heldKey = cell.Slot + 1;
        state.touch.heldLayout = CurrentLayout;
        // A repeating key keeps the capture too: whoever takes it away ends the repeat.
        if (key.RepeatsWhileHeld()) {
            state.repeat.Start(window);
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
    if (state.touch.pressedKey == 0 || state.touch.pressedKey == cell.Slot + 1)
        return;
    state.repeat.Stop(window);
    CancelPressedKeyShow(window);
    ShowPressed(window, state, 0);
    InvalidateRect(window, nullptr, FALSE);
    if (state.touch.heldKey != 0)
        TakeCapture(window, state);
}

// Whatever came before, a lift leaves nothing of the touch: the held key is released, and its
// highlight and the capture go. The flag spares a tap the cost of asking for the capture.
void Lift(HWND window, KeyboardWindowState& state) {
    ClearHighlight(window, state);
    ReleaseHeldKey(window, state);
    if (state.touch.captured)
        ReleaseCapture();
    state.touch.captured = false;
}

} // namespace

LRESULT HandleKeyMouse(HWND window, UINT message, LPARAM lParam) {
    KeyboardWindowState* state = WindowStateOf(window);
    if (state == nullptr)
        return 0;
    // A held key does not repeat under a moving keyboard, nor is it shown pressed.
    if (HandleStripMouse(window, state->drag, state->panel, message, lParam)) {
        state->touch.pressedKey = 0;
        state->repeat.Stop(window);
        return 0;
    }
    NotifyKeysShown(window, UpdateWindowGeometry(window));
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
    if (state->touch.pressedKey != 0) {
        InvalidateRect(window, nullptr, FALSE);
        CancelPressedKeyShow(window);
    }
    ShowPressed(window, *state, 0);
    state->drag.dragging = false;
    state->touch.captured = false;
    ReleaseHeldKey(window, *state);
    if (message == WM_CANCELMODE && GetCapture() == window)
        ReleaseCapture();
    return 0;
}

void ChangeCallback(HWND window, KeyboardWindowState& state, IIMCallback* callback) {
    if (callback != state.panel.callback)
        ReleaseHeldKey(window, state);
    state.panel.callback = callback;
}

LRESULT RepeatHeldKey(HWND window) {
    KeyboardWindowState* state = WindowStateOf(window);
    if (state != nullptr && state->repeat.Tick(window))
        SendKeyEvent(true, LayoutKey(state->touch.heldLayout, state->touch.heldKey - 1),
                     state->panel.callback);
    return 0;
}
