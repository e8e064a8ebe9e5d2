#include "tests/setup/DialogDriver.h"

namespace {

DialogDriver* Current = nullptr;

std::wstring WindowText(HWND window) {
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return text;
}

bool IsDialogWindow(HWND window) {
    wchar_t className[64] = {};
    GetClassNameW(window, className, 64);
    return std::wstring(className) == L"#32770";
}

} // namespace

DialogDriver::DialogDriver()
    : cbtHook(SetWindowsHookExW(WH_CBT, CbtProc, nullptr, GetCurrentThreadId())),
      sendHook(SetWindowsHookExW(WH_CALLWNDPROC, CallWndProc, nullptr, GetCurrentThreadId())),
      messageHook(SetWindowsHookExW(WH_GETMESSAGE, GetMessageProc, nullptr, GetCurrentThreadId())) {
    Current = this;
}

DialogDriver::~DialogDriver() {
    UnhookWindowsHookEx(messageHook);
    UnhookWindowsHookEx(sendHook);
    UnhookWindowsHookEx(cbtHook);
    Current = nullptr;
}

void DialogDriver::When(const std::wstring& title, Step step) {
    steps.emplace_back(title, std::move(step));
}

LRESULT CALLBACK DialogDriver::CbtProc(int code, WPARAM wParam, LPARAM lParam) {
    if (Current && code == HCBT_DESTROYWND) {
        Current->known.erase(reinterpret_cast<HWND>(wParam));
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK DialogDriver::CallWndProc(int code, WPARAM wParam, LPARAM lParam) {
    const CWPSTRUCT* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (Current && code == HC_ACTION && sent->message == WM_SHOWWINDOW && sent->wParam &&
        IsDialogWindow(sent->hwnd) && Current->known.insert(sent->hwnd).second) {
        Current->waiting.push_back(sent->hwnd);
        // The platform hands out timer messages only when nothing else, painting included, is
        // left in the queue: then the new dialog is ready.
        if (!Current->idleTimer) {
            Current->idleTimer = SetTimer(nullptr, 0, 1, nullptr);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK DialogDriver::GetMessageProc(int code, WPARAM wParam, LPARAM lParam) {
    const MSG* msg = reinterpret_cast<const MSG*>(lParam);
    if (Current && code == HC_ACTION && wParam == PM_REMOVE && msg->message == WM_TIMER &&
        !msg->hwnd && msg->wParam == Current->idleTimer) {
        Current->RunSteps();
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void DialogDriver::RunSteps() {
    KillTimer(nullptr, idleTimer);
    idleTimer = 0;
    while (!waiting.empty()) {
        HWND window = waiting.front();
        waiting.pop_front();
        if (known.count(window)) {
            RunStep(window);
        }
    }
}

void DialogDriver::RunStep(HWND window) {
    const std::wstring title = WindowText(window);
    seen.push_back(title);
    for (auto step = steps.begin(); step != steps.end(); ++step) {
        if (step->first == title) {
            Step action = std::move(step->second);
            steps.erase(step);
            action(window);
            return;
        }
    }
}

HWND FindControl(HWND dialog, const std::wstring& text) {
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (WindowText(child) == text) {
            return child;
        }
    }
    return nullptr;
}

void Click(HWND dialog, const std::wstring& text) {
    PostMessageW(FindControl(dialog, text), BM_CLICK, 0, 0);
}

void PostCommand(HWND dialog, int id) {
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
}

void PressKey(HWND dialog, UINT key) {
    HWND target = GetFocus();
    target = target ? target : dialog;
    PostMessageW(target, WM_KEYDOWN, key, 1);
    PostMessageW(target, WM_KEYUP, key, 0xC0000001);
}

void PostClose(HWND dialog) {
    PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
}

bool IsChecked(HWND dialog, const std::wstring& text) {
    return SendMessageW(FindControl(dialog, text), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

RECT ControlRect(HWND control) {
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

RECT DialogUnitsToPixels(HWND dialog, RECT rect) {
    MapDialogRect(dialog, &rect);
    return rect;
}

std::wstring MessageBoxTitle() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring title = path;
    title.erase(0, title.find_last_of(L"\\/") + 1);
    return title.substr(0, title.rfind(L'.'));
}

std::wstring MessageBoxText(HWND box) {
    wchar_t text[512] = {};
    GetDlgItemTextW(box, 0xFFFF, text, 512); // the message box's text control
    return text;
}
