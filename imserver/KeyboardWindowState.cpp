#include "imserver/KeyboardWindowState.h"

#include "foundation/Settings.h"
#include "foundation/SettingsReload.h"
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
    UpdateTextPage();
    RECT client = {};
    GetClientRect(window, &client);
    CurrentLayout =
        ComputeGeometry(client.left, client.top, client.right, client.bottom, 0, AlternatePage);
    return CurrentLayout;
}
