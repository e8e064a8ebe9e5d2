#include "setup/Help.h"

#include <windows.h>

void ShowHelp() {
    // With the viewer named on the command line the platform searches for it the way the
    // device does: beside this program, then in the Windows folder.
    wchar_t commandLine[] = L"PegHelp.exe Plinkerpad.Hlp.htm#Main_Contents";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (CreateProcessW(nullptr, commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                       &process)) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
}
