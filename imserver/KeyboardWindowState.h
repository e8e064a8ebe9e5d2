// The record each keyboard window keeps in its user data, shared by painting, key input and the
// moving keyboard, and the page and layout that all keyboard windows show.
#pragma once

#include "platform/sip/sip.h"

struct KeyboardHandOver;

struct KeyboardWindowState {
    int pressedKey;        // 1 + slot of the key shown pressed; 0: none
    IIMCallback* callback; // the input panel's, not reference-counted; null until registered
    RECT dockedRect;       // screen rectangle of the panel when the window was created: the
                           // keyboard docks at its bottom edge, between its sides
    int dragging;          // 1 while the handle strip is held
    POINT grabPoint;       // strip press, client coordinates
    POINT grabScreenPoint; // the same press on the screen
    IMINFO imInfo;         // as last reported by GetInfo; the moving keyboard edits it
    int heldKey;           // 1 + slot of the key whose press was sent and not yet released
    int heldLayout;        // the layout that key belongs to
    int touchCaptured;     // 1 while a held repeating key, or a finger slid off a held key,
                           // has the capture
    int repeatPeriod;      // ms between repeats of the held key; 0: no repeat timer runs
    int repeating;         // 1 once the held key's repeat delay has passed
    const KeyboardHandOver* handOver; // the input method object's, for WM_USER_SETSTATE
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

// The page toggle's step: first page, second page, then the text page while the user has texts,
// and back to the first page.
void TurnPage();

// The layout index of the latest geometry; -1 until any geometry has been computed.
extern int CurrentLayout;

// Brings the digit order (while no key is held) and the text page up to date with the settings
// (without texts the keyboard leaves the text page for its first page), computes the geometry for
// the window's client rectangle as it is now at its screen's DPI, on the current page, and makes
// its layout the current one: what is drawn and what is hit always fit the window, a held strip
// included.
int UpdateWindowGeometry(HWND window);
