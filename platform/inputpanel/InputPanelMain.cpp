// InputPanel.exe [class ID]: the soft input panel with one input method, until its menu's Quit.

#include "platform/inputpanel/ImRegistry.h"
#include "platform/inputpanel/InputPanel.h"

#include <shellapi.h>

#include <cstdio>
#include <string>

namespace {

// Input methods are registered as "\Windows\<name>.dll", which resolves against the current
// drive: the panel works from the root of the system drive.
void MoveToSystemDrive() {
    wchar_t windows[MAX_PATH] = L"";
    if (GetSystemWindowsDirectoryW(windows, MAX_PATH) >= 3) {
        windows[3] = L'\0';
        SetCurrentDirectoryW(windows);
    }
}

std::wstring CommandLineClassId() {
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    std::wstring id = arguments != nullptr && count > 1 ? arguments[1] : L"";
    LocalFree(arguments);
    return id;
}

int RunPanel(HINSTANCE instance, const CLSID& clsid) {
    IInputMethod* method = nullptr;
    HRESULT result = CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IInputMethod,
                                      reinterpret_cast<void**>(&method));
    if (FAILED(result)) {
        fwprintf(stderr, L"InputPanel: cannot create the input method (0x%08lx)\n", result);
        return 1;
    }
    InputPanel panel(instance);
    result = panel.Open(method);
    method->Release();
    if (FAILED(result)) {
        fwprintf(stderr, L"InputPanel: the input method does not start (0x%08lx)\n", result);
        return 1;
    }
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    MoveToSystemDrive();
    const std::wstring given = CommandLineClassId();
    CLSID clsid{};
    if (!ChooseInputMethod(given, &clsid)) {
        fwprintf(stderr, L"InputPanel: \"%ls\" is not a class ID\n", given.c_str());
        return 2;
    }
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)))
        return 1;
    const int exitCode = RunPanel(instance, clsid);
    CoUninitialize();
    return exitCode;
}
