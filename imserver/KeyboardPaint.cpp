#include "imserver/KeyboardPaint.h"

#include "foundation/OwnedHandle.h"
#include "imserver/KeyPainter.h"
#include "imserver/KeyboardAccessible.h"
#include "imserver/KeyboardTimers.h"
#include "imserver/KeyboardWindowState.h"
#include "imserver/MovingKeyboard.h"

namespace {

// The geometry of the window as it is now, which readers hear of.
int ShownLayout(HWND window) {
    const int layout = UpdateWindowGeometry(window);
    NotifyKeysShown(window, layout);
    return layout;
}

// The keyboard in its normal look over the area, and the pressed key over it, in the same
// geometry.
void DrawWindow(HWND window, KeyboardWindowState& state, HDC dc, const RECT& area, int layout) {
    RECT client = {};
    GetClientRect(window, &client);
    state.picture.Paint(dc, client, area, layout);
    if (state.touch.pressedKey != 0)
        DrawKeyboard(dc, client, layout, state.touch.pressedKey);
}

} // namespace

// The panel's answer to a size request comes before the paint begins: the window then has its
// new size, and the paint draws for it.
LRESULT PaintKeyboard(HWND window) {
    KeyboardWindowState* state = WindowStateOf(window);
    if (state == nullptr) {
        const PaintBracket nothing(window); // a window without its state draws nothing
        return 0;
    }
    ReloadKeyboardSettings();
    FollowKeyboardSize(window, state->drag, state->panel);
    const int layout = ShownLayout(window);
    RECT client = {};
    GetClientRect(window, &client);
    if (!state->picture.Shows(client, layout))
        InvalidateRect(window, nullptr, FALSE);
    const PaintBracket paint(window);
    DrawWindow(window, *state, paint.DC(), paint.Area(), layout);
    return 0;
}

void ShowPressedKeySoon(HWND window) {
    SetTimer(window, PressedKeyTimer, USER_TIMER_MINIMUM, nullptr);
}

void CancelPressedKeyShow(HWND window) {
    KillTimer(window, PressedKeyTimer);
}

// Drawn into the window's DC, over the whole keyboard as a full paint would draw it.
LRESULT ShowPressedKey(HWND window) {
    KillTimer(window, PressedKeyTimer);
    KeyboardWindowState* state = WindowStateOf(window);
    if (state == nullptr || state->touch.pressedKey == 0)
        return 0;
    ReloadKeyboardSettings();
    const int layout = ShownLayout(window);
    const WindowDc dc(window);
    RECT client = {};
    GetClientRect(window, &client);
    DrawWindow(window, *state, dc.DC(), client, layout);
    return 0;
}
