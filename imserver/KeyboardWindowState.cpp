#include "imserver/KeyboardWindowState.h"

#include "foundation/ScreenDpi.h"
#include "foundation/Settings.h"
#include "foundation/SettingsReload.h"
#include "keyboard/BuildKeyboards.h"
#include "keyboard/Geometry.h"
#include "keyboard/TextPage.h"

int AlternatePage = FirstPage;
int CurrentLayout = -1;

void TurnPage() {
    AlternatePage = NextPage(AlternatePage, HasSniplets(GetSettings()));
}

void ReloadKeyboardSettings() {
    ReloadChangedSettings();
    AlternatePage = ShownPage(AlternatePage, HasSniplets(GetSettings()));
}

int UpdateWindowGeometry(HWND window) {
    // Between touches only: a held key's release is sent for the record of its press.
    const KeyboardWindowState* state = WindowStateOf(window);
    if (state == nullptr || state->touch.heldKey == 0)
        UpdateDigitOrder();
    UpdateTextPage();
    RECT client = {};
    GetClientRect(window, &client);
    CurrentLayout = ComputeGeometry(client.left, client.top, client.right, client.bottom, 0,
                                    AlternatePage, WindowDpi(window));
    return CurrentLayout;
}
