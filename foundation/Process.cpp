#include "foundation/Process.h"

std::wstring WindowsFolderProgram(const wchar_t* name) {
    wchar_t folder[MAX_PATH] = {};
    GetWindowsDirectoryW(folder, MAX_PATH);
    return L"\"" + std::wstring(folder) + L"\\" + name + L"\"";
}

StartedProcess StartProcess(std::wstring commandLine, const wchar_t* currentFolder,
                            DWORD creationFlags) {
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, creationFlags,
                        nullptr, currentFolder, &startup, &process))
        return {};
    const OwnedHandle<HANDLE, CloseHandle> thread(process.hThread); // its id is enough
    return {true, OwnedProcess(process.hProcess), process.dwThreadId};
}
