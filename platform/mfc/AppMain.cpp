// The program's entry: everything happens in the application object's InitInstance.
#include "platform/mfc/WinApp.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
    CWinApp* app = AfxGetApp();
    if (!app || !app->InitInstance()) {
        return 0;
    }
    return app->Run();
}
