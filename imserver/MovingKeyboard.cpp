#include "imserver/MovingKeyboard.h"

#include "foundation/ScreenDpi.h"
#include "foundation/Settings.h"
#include "imserver/PanelStates.h"
#include "keyboard/Geometry.h"

#include <algorithm>
#include <cstdlib>

namespace {

// A strip touch that moves less than this in both directions is a tap, not a drag.
constexpr int DragThreshold = 2;

// Strip gestures read the point as signed 16-bit numbers: with the capture it may lie outside.
POINT PointOf(LPARAM lParam) {
    return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

bool OnStrip(const POINT& point) {
    return point.x <= GetSettings().Metrics.KeyMargin + GetSettings().Metrics.StripWidth;
}

void Notify(KeyboardWindowState& state) {
    if (state.callback != nullptr)
        state.callback->SetImInfo(&state.imInfo);
}

bool Grab(HWND window, KeyboardWindowState& state, POINT point) {
    if (!OnStrip(point))
        return false;
    SetCapture(window);
    state.dragging = 1;
    CurrentLayout = ComputeGeometry(0, 0, 0, 0, 1, AlternatePage, WindowDpi(window));
    state.grabPoint = point;
    ClientToScreen(window, &point);
    state.grabScreenPoint = point;
    return true;
}

// The dropped keyboard stays wholly on the screen, its strip within reach; the left and top
// limits win on a screen too small for it.
RECT FloatingRect(POINT drop, const POINT& grab, int dpi) {
    const KeyboardMetrics& metrics = GetSettings().Metrics;
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    int left = std::min<int>(drop.x - grab.x, screenWidth - metrics.PanelWidth);
    int top = std::min<int>(drop.y - grab.y, screenHeight - metrics.PanelHeight);
    left = std::max<int>(left, 0);
    top = std::max(top, PlatformBarHeightAt(dpi));
    return {left, top, left + metrics.PanelWidth, top + metrics.PanelHeight};
}

void Drop(HWND window, KeyboardWindowState& state, POINT point) {
    ReleaseCapture();
    state.dragging = 0;
    ClientToScreen(window, &point);
    if (std::abs(state.grabScreenPoint.x - point.x) < DragThreshold &&
        std::abs(state.grabScreenPoint.y - point.y) < DragThreshold)
        return;
    state.imInfo.rcSipRect = FloatingRect(point, state.grabPoint, WindowDpi(window));
    state.imInfo.fdwFlags = ShownFloating;
    GetSettings().SipState = ShownFloating;
    Notify(state);
}

bool Dock(KeyboardWindowState& state, POINT point) {
    if (!OnStrip(point))
        return false;
    ReleaseCapture();
    state.dragging = 0;
    state.imInfo.fdwFlags = ShownDocked;
    GetSettings().SipState = ShownDocked;
    state.imInfo.rcSipRect = state.dockedRect;
    Notify(state);
    return true;
}

bool Take(HWND window, KeyboardWindowState& state, UINT message, POINT point) {
    switch (message) {
    case WM_LBUTTONDOWN:
        return Grab(window, state, point);
    case WM_MOUSEMOVE:
        return state.dragging != 0;
    case WM_LBUTTONUP:
        if (state.dragging == 0)
            return false;
        Drop(window, state, point);
        return true;
    case WM_LBUTTONDBLCLK:
        return Dock(state, point);
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
