#include "imserver/MovingKeyboard.h"

#include "foundation/ScreenDpi.h"
#include "foundation/Settings.h"
#include "imserver/KeyboardWindow.h"
#include "imserver/PanelStates.h"
#include "keyboard/Geometry.h"

#include <algorithm>
#include <cstdlib>

namespace {

// A strip touch that moves less than this in both directions is a tap, not a drag.
constexpr int DragThreshold = 2;
// A strip press held this long without a drag is a hold: about as long as a right click's
// press-and-hold on a touch screen.
constexpr UINT MenuHoldTime = 500;

// Strip gestures read the point as signed 16-bit numbers: with the capture it may lie outside.
POINT PointOf(LPARAM lParam) {
    return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

bool OnStrip(const POINT& point) {
    return point.x <= GetSettings().Metrics.KeyMargin + GetSettings().Metrics.StripWidth;
}

bool Moved(const POINT& from, const POINT& to) {
    return std::abs(from.x - to.x) >= DragThreshold || std::abs(from.y - to.y) >= DragThreshold;
}

void Notify(KeyboardWindowState& state) {
    if (state.callback != nullptr)
        state.callback->SetImInfo(&state.imInfo);
}

// The floating keyboard's panel size by the settings and the window's screen. The window's own
// geometry is computed again after it: what is drawn and hit always fits the window as it is.
SIZE FloatingPanelSize(HWND window) {
    ComputeGeometry(0, 0, 0, 0, 1, AlternatePage, WindowDpi(window));
    const KeyboardMetrics& metrics = GetSettings().Metrics;
    const SIZE size = {metrics.PanelWidth, metrics.PanelHeight};
    UpdateWindowGeometry(window);
    return size;
}

// The docked panel's height by the settings, whatever the window's size.
int DockedPanelHeight(HWND window) {
    UpdateWindowGeometry(window);
    return GetSettings().Metrics.PanelHeight;
}

// The floating keyboard stays wholly on the screen, its strip within reach, below the platform's
// bar at the screen's DPI; the left and top limits win on a screen too small for it.
RECT FloatingRect(POINT topLeft, SIZE size, int dpi) {
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    int left = std::min<int>(topLeft.x, screenWidth - size.cx);
    int top = std::min<int>(topLeft.y, screenHeight - size.cy);
    left = std::max<int>(left, 0);
    top = std::max(top, PlatformBarHeightAt(dpi));
    return {left, top, left + size.cx, top + size.cy};
}

bool Grab(HWND window, KeyboardWindowState& state, POINT point) {
    if (!OnStrip(point))
        return false;
    SetCapture(window);
    state.dragging = 1;
    state.grabPoint = point;
    ClientToScreen(window, &point);
    state.grabScreenPoint = point;
    SetTimer(window, StripHoldTimer, MenuHoldTime, nullptr);
    return true;
}

// A finger that drags is no hold.
void Follow(HWND window, const KeyboardWindowState& state, POINT point) {
    ClientToScreen(window, &point);
    if (Moved(state.grabScreenPoint, point))
        KillTimer(window, StripHoldTimer);
}

void Drop(HWND window, KeyboardWindowState& state, POINT point) {
    KillTimer(window, StripHoldTimer);
    ReleaseCapture();
    state.dragging = 0;
    ClientToScreen(window, &point);
    if (!Moved(state.grabScreenPoint, point))
        return;
    const POINT topLeft = {point.x - state.grabPoint.x, point.y - state.grabPoint.y};
    state.imInfo.rcSipRect = FloatingRect(topLeft, FloatingPanelSize(window), WindowDpi(window));
    state.imInfo.fdwFlags = ShownFloating;
    GetSettings().SipState = ShownFloating;
    Notify(state);
}

// Docked at the bottom edge where the panel stood docked, as high as the keyboard type asks.
bool Dock(HWND window, KeyboardWindowState& state, POINT point) {
    if (!OnStrip(point))
        return false;
    KillTimer(window, StripHoldTimer);
    ReleaseCapture();
    state.dragging = 0;
    state.imInfo.fdwFlags = ShownDocked;
    GetSettings().SipState = ShownDocked;
    const RECT& docked = state.dockedRect;
    state.imInfo.rcSipRect = {docked.left, docked.bottom - DockedPanelHeight(window), docked.right,
                              docked.bottom};
    Notify(state);
    return true;
}

bool Take(HWND window, KeyboardWindowState& state, UINT message, POINT point) {
    switch (message) {
    case WM_LBUTTONDOWN:
        return Grab(window, state, point);
    case WM_MOUSEMOVE:
        if (state.dragging == 0)
            return false;
        Follow(window, state, point);
        return true;
    case WM_LBUTTONUP:
        if (state.dragging == 0)
            return false;
        Drop(window, state, point);
        return true;
    case WM_LBUTTONDBLCLK:
        return Dock(window, state, point);
    default:
        return false;
    }
}

} // namespace

bool HandleStripMouse(HWND window, KeyboardWindowState& state, UINT message, LPARAM lParam) {
    if (!Take(window, state, message, PointOf(lParam)))
        return false;
    state.pressedKey = 0;
    return true;
}

// The strip lets go first: the menu's own tracking takes the pointer, and the lift that follows
// moves nothing. The keyboard window passes the menu request on to the panel.
LRESULT OpenMenuOfHeldStrip(HWND window) {
    KillTimer(window, StripHoldTimer);
    KeyboardWindowState* state = WindowStateOf(window);
    if (state == nullptr || state->dragging == 0)
        return 0; // lifted, or the touch was cancelled, as the tick came
    state->dragging = 0;
    ReleaseCapture();
    const POINT at = state->grabScreenPoint;
    SendMessageW(window, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(window), MAKELPARAM(at.x, at.y));
    return 0;
}

// Before GetInfo the keyboard does not know how its panel stands, and asks nothing.
void FollowKeyboardSize(HWND window, KeyboardWindowState& state) {
    if (state.dragging != 0 || state.callback == nullptr || state.imInfo.cbSize == 0)
        return;
    RECT panel = {};
    GetWindowRect(GetParent(window), &panel);
    const RECT& asked = state.imInfo.rcSipRect;
    RECT wanted = {};
    if ((state.imInfo.fdwFlags & SIPF_DOCKED) != 0) {
        const int height = DockedPanelHeight(window);
        if (height == asked.bottom - asked.top)
            return;
        wanted = {panel.left, panel.bottom - height, panel.right, panel.bottom};
    } else {
        const SIZE size = FloatingPanelSize(window);
        if (size.cx == asked.right - asked.left && size.cy == asked.bottom - asked.top)
            return;
        wanted = FloatingRect({panel.left, panel.top}, size, WindowDpi(window));
    }
    state.imInfo.rcSipRect = wanted;
    Notify(state);
}
