#include "setup/Help.h"

#include <windows.h>

#include <string>

namespace {

// The viewer is started by its full path in the Windows folder, where the device has it: a bare
// name would be looked for in the current folder first, where anyone may have put a program of
// that name.
std::wstring ViewerPath() {
    wchar_t folder[MAX_PATH] = {};
    GetWindowsDirectoryW(folder, MAX_PATH);
    return std::wstring(folder) + L"\\PegHelp.exe";
}

} // namespace

void ShowHelp() {
    const std::wstring viewer = ViewerPath();
    std::wstring commandLine = L"\"" + viewer + L"\" Plinkerpad.Hlp.htm#Main_Contents";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (CreateProcessW(viewer.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                       nullptr, &startup, &process)) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
}
