#include "imserver/KeyboardWindowState.h"

#include "keyboard/Geometry.h"

int AlternatePage = 0;
int CurrentLayout = -1;

int UpdateWindowGeometry(HWND window, const KeyboardWindowState& state) {
    RECT client = {};
    GetClientRect(window, &client);
    CurrentLayout = ComputeGeometry(client.left, client.top, client.right, client.bottom,
                                    state.dragging, AlternatePage);
    return CurrentLayout;
}
