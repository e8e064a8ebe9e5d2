#include "imserver/MovingKeyboard.h"

#include "foundation/ScreenDpi.h"
#include "foundation/Settings.h"
#include "imserver/KeyboardTimers.h"
#include "imserver/KeyboardWindowState.h"
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

void Notify(PanelState& panel) {
    if (panel.callback != nullptr)
        panel.callback->SetImInfo(&panel.imInfo);
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

bool Grab(HWND window, DragState& drag, POINT point) {
    if (!OnStrip(point))
        return false;
    SetCapture(window);
    drag.dragging = true;
    drag.grabPoint = point;
    ClientToScreen(window, &point);
    drag.grabScreenPoint = point;
    SetTimer(window, StripHoldTimer, MenuHoldTime, nullptr);
    return true;
}

// A finger that drags is no hold.
void Follow(HWND window, const DragState& drag, POINT point) {
    ClientToScreen(window, &point);
    if (Moved(drag.grabScreenPoint, point))
        KillTimer(window, StripHoldTimer);
}

void Drop(HWND window, DragState& drag, PanelState& panel, POINT point) {
    KillTimer(window, StripHoldTimer);
    ReleaseCapture();
    drag.dragging = false;
    ClientToScreen(window, &point);
    if (!Moved(drag.grabScreenPoint, point))
        return;
    const POINT topLeft = {point.x - drag.grabPoint.x, point.y - drag.grabPoint.y};
    panel.imInfo.rcSipRect = FloatingRect(topLeft, FloatingPanelSize(window), WindowDpi(window));
    panel.imInfo.fdwFlags = ShownFloating;
    GetSettings().SipState = ShownFloating;
    Notify(panel);
}

// Docked at the bottom edge where the panel stood docked, as high as the keyboard type asks.
bool Dock(HWND window, DragState& drag, PanelState& panel, POINT point) {
    if (!OnStrip(point))
        return false;
    KillTimer(window, StripHoldTimer);
    ReleaseCapture();
    drag.dragging = false;
    panel.imInfo.fdwFlags = ShownDocked;
    GetSettings().SipState = ShownDocked;
    const RECT& docked = panel.dockedRect;
    panel.imInfo.rcSipRect = {docked.left, docked.bottom - DockedPanelHeight(window), docked.right,
                              docked.bottom};
    Notify(panel);
    return true;
}

} // namespace

bool HandleStripMouse(HWND window, DragState& drag, PanelState& panel, UINT message,
                      LPARAM lParam) {
    const POINT point = PointOf(lParam);
    switch (message) {
    case WM_LBUTTONDOWN:
        return Grab(window, drag, point);
    case WM_MOUSEMOVE:
        if (!drag.dragging)
            return false;
        Follow(window, drag, point);
        return true;
    case WM_LBUTTONUP:
        if (!drag.dragging)
            return false;
        Drop(window, drag, panel, point);
        return true;
    case WM_LBUTTONDBLCLK:
        return Dock(window, drag, panel, point);
    default:
        return false;
    }
}

// The strip lets go first: the menu's own tracking takes the pointer, and the lift that follows
// moves nothing. The keyboard window passes the menu request on to the panel.
LRESULT OpenMenuOfHeldStrip(HWND window) {
    KillTimer(window, StripHoldTimer);
    KeyboardWindowState* state = WindowStateOf(window);
    if (state == nullptr || !state->drag.dragging)
        return 0; // lifted, or the touch was cancelled, as the tick came
    state->drag.dragging = false;
    ReleaseCapture();
    const POINT at = state->drag.grabScreenPoint;
    SendMessageW(window, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(window), MAKELPARAM(at.x, at.y));
    return 0;
}

// Before GetInfo the keyboard does not know how its panel stands, and asks nothing.
void FollowKeyboardSize(HWND window, const DragState& drag, PanelState& panel) {
    if (drag.dragging || panel.callback == nullptr || panel.imInfo.cbSize == 0)
        return;
    RECT standing = {};
    GetWindowRect(GetParent(window), &standing);
    const RECT& asked = panel.imInfo.rcSipRect;
    RECT wanted = {};
    if ((panel.imInfo.fdwFlags & SIPF_DOCKED) != 0) {
        const int height = DockedPanelHeight(window);
        if (height == asked.bottom - asked.top)
            return;
        wanted = {standing.left, standing.bottom - height, standing.right, standing.bottom};
    } else {
        const SIZE size = FloatingPanelSize(window);
        if (size.cx == asked.right - asked.left && size.cy == asked.bottom - asked.top)
            return;
        wanted = FloatingRect({standing.left, standing.top}, size, WindowDpi(window));
    }
    panel.imInfo.rcSipRect = wanted;
    Notify(panel);
}
