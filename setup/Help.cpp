#include "setup/Help.h"

#include "foundation/Process.h"

// The viewer is started by its full path in the Windows folder, where the device has it: a bare
// name would be looked for in the current folder first, where anyone may have put a program of
// that name.
void ShowHelp() {
    StartProcess(WindowsFolderProgram(L"PegHelp.exe") + L" Plinkerpad.Hlp.htm#Main_Contents");
}
