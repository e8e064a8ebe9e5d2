// Library initialisation: the settings are loaded and the instance handle kept, nothing more.
#include "foundation/Settings.h"
#include "keyboard/ModuleInstance.h"

#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        ModuleInstance = instance;
        GetSettings();
        LoadSettings();
    }
    return TRUE;
}
