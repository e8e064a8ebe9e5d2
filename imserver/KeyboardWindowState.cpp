#include "imserver/KeyboardWindowState.h"

#include "foundation/ScreenDpi.h"
#include "foundation/Settings.h"
#include "imserver/KeyboardAccessible.h"
#include "keyboard/BuildKeyboards.h"
#include "keyboard/Geometry.h"
#include "keyboard/TextPage.h"

int AlternatePage = FirstPage;
int CurrentLayout = -1;

void TurnPage() {
    if (AlternatePage == FirstPage)
        AlternatePage = SecondPage;
    else if (AlternatePage == SecondPage && HasSniplets(GetSettings()))
        AlternatePage = TextPage;
    else
        AlternatePage = FirstPage;
}

int UpdateWindowGeometry(HWND window) {
    // Between touches only: a held key's release is sent for the record of its press.
    const KeyboardWindowState* state = WindowStateOf(window);
    if (state == nullptr || state->heldKey == 0)
        UpdateDigitOrder();
    UpdateTextPage();
    if (AlternatePage == TextPage && !HasSniplets(GetSettings()))
        AlternatePage = FirstPage;
    RECT client = {};
    GetClientRect(window, &client);
    CurrentLayout = ComputeGeometry(client.left, client.top, client.right, client.bottom, 0,
                                    AlternatePage, WindowDpi(window));
    NotifyKeysShown(window, CurrentLayout);
    return CurrentLayout;
}
