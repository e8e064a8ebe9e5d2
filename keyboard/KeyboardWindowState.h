// The record each keyboard window keeps in its user data, shared by painting, key input and the
// moving keyboard.
#pragma once

#include "platform/sip/sip.h"

struct KeyboardWindowState {
    int pressedKey;        // 1 + slot of the key shown pressed; 0: none
    IIMCallback* callback; // the input panel's, not reference-counted; null until registered
    RECT dockedRect;       // screen rectangle of the panel when the window was created
    int dragging;          // 1 while the handle strip is held
    POINT grabPoint;       // strip press, client coordinates
    POINT grabScreenPoint; // the same press on the screen
    IMINFO imInfo;         // as last reported by GetInfo; the moving keyboard edits it
    int heldKey;           // 1 + slot of the key whose press was sent and not yet released
    int heldLayout;        // the layout that key belongs to
};

inline KeyboardWindowState* WindowStateOf(HWND window) {
    return reinterpret_cast<KeyboardWindowState*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

inline void BindWindowState(HWND window, KeyboardWindowState* state) {
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
}
