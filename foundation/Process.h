// Programs started without waiting for them, and the Windows folder where the device keeps its
// own.
#pragma once

#include "foundation/OwnedHandle.h"

#include <string>

// A program of the Windows folder as a command line names it: its full path, in quotes.
std::wstring WindowsFolderProgram(const wchar_t* name);

// A started program: its process, held, and the id of its first thread (whose handle is closed
// at the start). Nothing when the program could not be started; Wine starts a Unix program with
// no process to hold.
struct StartedProcess {
    bool Started = false;
    OwnedProcess Process;
    DWORD ThreadId = 0;
};

// Starts the program that the command line names first (by a full path it is looked for nowhere
// else), in the current folder given or else in the caller's, with the creation flags given.
StartedProcess StartProcess(std::wstring commandLine, const wchar_t* currentFolder = nullptr,
                            DWORD creationFlags = 0);
