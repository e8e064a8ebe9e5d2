#include "platform/inputpanel/PanelPlacement.h"

#include <algorithm>

int DockedPanelHeight(const RECT& requested, SIZE screen) {
    const int height = requested.bottom - requested.top;
    return height > 0 && height <= screen.cy ? height
                                             : std::min<int>(DefaultPanelHeight, screen.cy);
}

RECT DockedPanelRect(SIZE screen, int height) {
    return RECT{0, screen.cy - height, screen.cx, screen.cy};
}

RECT KeepOnScreen(const RECT& rect, SIZE screen) {
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    const int left = std::max<int>(0, std::min<int>(rect.left, screen.cx - width));
    const int top = std::max<int>(0, std::min<int>(rect.top, screen.cy - height));
    return RECT{left, top, left + width, top + height};
}

SIPINFO SipInfoFor(const RECT& panel, SIZE screen, bool docked) {
    SIPINFO info{};
    info.cbSize = sizeof(SIPINFO);
    info.fdwFlags = SIPF_ON | (docked ? SIPF_DOCKED : 0);
    info.rcVisibleDesktop = RECT{0, 0, screen.cx, docked ? panel.top : screen.cy};
    info.rcSipRect = panel;
    return info;
}
