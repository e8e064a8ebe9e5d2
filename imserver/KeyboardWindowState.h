// The record each keyboard window keeps in its user data, in one part per owner: the touch on
// the keys, the held key's repeat, the strip's drag, what the panel told and was told, and the
// window's picture of its keyboard. Beside it the page and layout that all keyboard windows show.
#pragma once

#include "imserver/KeyRepeat.h"
#include "imserver/KeyboardHandOver.h"
#include "imserver/KeyboardPicture.h"

// The key input's: what is shown pressed and which press was sent.
struct TouchState {
    int pressedKey = 0;    // 1 + slot of the key shown pressed; 0: none
    int heldKey = 0;       // 1 + slot of the key whose press was sent and not yet released
    int heldLayout = 0;    // the layout that key belongs to
    bool captured = false; // a held repeating key, or a finger slid off a held key, has the
                           // capture
};

// The moving keyboard's: the handle strip held.
struct DragState {
    bool dragging = false;
    POINT grabPoint = {};       // strip press, client coordinates
    POINT grabScreenPoint = {}; // the same press on the screen
};

// What the input panel gave the window, and what the window tells it.
struct PanelState {
    const KeyboardHandOver* handOver = nullptr; // the input method object's, for WM_USER_SETSTATE
    IIMCallback* callback = nullptr; // the input panel's, not reference-counted; null until
                                     // registered
    IMINFO imInfo = {};              // as last reported by GetInfo; the moving keyboard edits it
    RECT dockedRect = {}; // screen rectangle of the panel when the window was created: the
                          // keyboard docks at its bottom edge, between its sides
};

struct KeyboardWindowState {
    TouchState touch;
    KeyRepeat repeat;
    DragState drag;
    PanelState panel;
    KeyboardPicture picture; // made and freed with the window
};

inline KeyboardWindowState* WindowStateOf(HWND window) {
    return reinterpret_cast<KeyboardWindowState*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

inline void BindWindowState(HWND window, KeyboardWindowState* state) {
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
}

// The page shown, a KeyboardPage (first, second or text page); shared by every keyboard window,
// never stored.
extern int AlternatePage;

// The page toggle's step (NextPage) on the page shown.
void TurnPage();

// Loads the settings if their file changed, and follows them: without texts the keyboard leaves
// the text page for its first page.
void ReloadKeyboardSettings();

// The layout index of the latest geometry; -1 until any geometry has been computed.
extern int CurrentLayout;

// Brings the digit order (while no key is held) and the text page's keys up to date with the
// settings, computes the geometry for the window's client rectangle as it is now at its screen's
// DPI, on the current page, and makes its layout the current one: what is drawn and what is hit
// always fit the window, a held strip included.
int UpdateWindowGeometry(HWND window);
